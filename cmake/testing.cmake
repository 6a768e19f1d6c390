# Test helpers. On Windows targets the test executables are GoogleTest programs that ctest runs
# through the cross-compiling emulator (wine64); on the host only the portable code is tested.
if(NOT BUILD_TESTING)
  return()
endif()

# GoogleTest from the sources of Debian's googletest package, built with our compiler.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# add_wine_test(name SOURCES ... [LIBS ...] [ENVIRONMENT VAR=value ...] [PROPERTIES name value ...] [GUI])
# GUI marks suites that create windows: they need the X display that the test script provides,
# and they run one at a time so that focus and activation are not fought over.
function(add_wine_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS;ENVIRONMENT;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} testsupport GTest::gtest GTest::gtest_main)
  set(props LABELS ${name} ${T_PROPERTIES})
  if(T_ENVIRONMENT)
    list(APPEND props ENVIRONMENT "${T_ENVIRONMENT}")
  endif()
  if(T_GUI)
    list(APPEND props RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES ${props})
endfunction()
