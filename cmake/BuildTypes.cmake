# Flags for build types that CMake does not know. Flutter builds an app as
# Debug, Profile or Release, and CMake has no flags for Profile (it makes the
# cache entries CMAKE_<LANG>_FLAGS_PROFILE, empty): the bridge would compile
# with no optimisation at all in the build that people measure their app
# with. Any such type gets the Release flags, unless the host has set flags
# for it (Flutter's Windows runner copies Release's into Profile). Set in
# this directory's scope, so the host's own targets keep their flags.
foreach(zelbridge_build_type IN LISTS CMAKE_BUILD_TYPE CMAKE_CONFIGURATION_TYPES)
  string(TOUPPER "${zelbridge_build_type}" zelbridge_config)
  if(zelbridge_config MATCHES "^(DEBUG|RELEASE|RELWITHDEBINFO|MINSIZEREL)$")
    continue()
  endif()
  foreach(zelbridge_flags C_FLAGS CXX_FLAGS SHARED_LINKER_FLAGS EXE_LINKER_FLAGS
                          MODULE_LINKER_FLAGS STATIC_LINKER_FLAGS)
    if("${CMAKE_${zelbridge_flags}_${zelbridge_config}}" STREQUAL "")
      set(CMAKE_${zelbridge_flags}_${zelbridge_config} "${CMAKE_${zelbridge_flags}_RELEASE}")
    endif()
  endforeach()
endforeach()
