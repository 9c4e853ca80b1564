# GoogleTest: Debian's package on the native build; compiled from Debian's
# sources (/usr/src/googletest) with the mingw compilers for the Windows builds.
if(ZANDREL_TESTS)
  if(WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Keep third-party warnings out of our build log.
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
    add_library(zandrel_gtest_main INTERFACE)
    target_link_libraries(zandrel_gtest_main INTERFACE gtest_main gtest)
  else()
    find_package(GTest REQUIRED)
    add_library(zandrel_gtest_main INTERFACE)
    target_link_libraries(zandrel_gtest_main INTERFACE GTest::gtest_main GTest::gtest)
  endif()
endif()

# zandrel_add_gtest(NAME SOURCES ... [LIBS ...] [ENVIRONMENT ...] [LABELS ...])
# One ctest entry per executable: under Wine every process start costs, so the
# cases are not split into separate ctest entries. Results go to JUnit XML in
# test-results/, which scripts/test.sh sums per suite.
function(zandrel_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENVIRONMENT;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} zandrel_gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name}
           COMMAND ${name} --gtest_output=xml:test-results/${name}.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  if(T_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENVIRONMENT}")
  endif()
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 1500)
endfunction()
