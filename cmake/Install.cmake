# cmake --install: the bridge library, its public header and a CMake package,
# so that a plugin's build consumes it with
#   find_package(zelbridge CONFIG REQUIRED)
#   target_link_libraries(plugin PRIVATE zelbridge::zelbridge)
# The package's version is the project's. The library file keeps the name
# that apps open (libzelbridge.so, zelbridge.dll): no versioned file name.
include(CMakePackageConfigHelpers)

set(zelbridge_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/zelbridge)

install(TARGETS zelbridge EXPORT zelbridgeTargets
  FRAMEWORK DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/zelbridge.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT zelbridgeTargets
  NAMESPACE zelbridge::
  DESTINATION ${zelbridge_package_dir})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/zelbridgeConfig.cmake.in
  ${PROJECT_BINARY_DIR}/zelbridgeConfig.cmake
  INSTALL_DESTINATION ${zelbridge_package_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zelbridgeConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/zelbridgeConfig.cmake
  ${PROJECT_BINARY_DIR}/zelbridgeConfigVersion.cmake
  DESTINATION ${zelbridge_package_dir})
