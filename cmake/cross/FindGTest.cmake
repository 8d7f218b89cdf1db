# GoogleTest for cross builds: the installed libraries are built for the
# host, so the sources are compiled once for the target and every
# find_package(GTest) of the project finds those same targets
# (GTest::gtest, GTest::gtest_main, GTest::gmock, GTest::gmock_main).
set(ZELBRIDGE_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
  "GoogleTest sources compiled for the target when cross compiling")

if(NOT TARGET GTest::gtest)
  if(NOT EXISTS ${ZELBRIDGE_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "Cross builds compile GoogleTest from source: "
      "no sources in ZELBRIDGE_GTEST_SOURCE_DIR (${ZELBRIDGE_GTEST_SOURCE_DIR})")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ZELBRIDGE_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

set(GTest_FOUND TRUE)
set(GTEST_FOUND TRUE)
set(GTEST_LIBRARIES GTest::gtest)
set(GTEST_MAIN_LIBRARIES GTest::gtest_main)
set(GTEST_BOTH_LIBRARIES GTest::gtest GTest::gtest_main)
