# GoogleTest for both builds: the system library natively, Debian's sources
# compiled with the cross compiler for Windows.
if(TQ_FUZZ)
  function(tq_add_test name)
  endfunction()
  return()
endif()

if(WIN32)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(TQ_GTEST_LIBS gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  set(TQ_GTEST_LIBS GTest::gtest GTest::gtest_main)
endif()
include(GoogleTest)

# Test programs spend most of their compile time on GoogleTest's headers and
# on optimising test bodies that run once: they compile without optimisation,
# through one precompiled <gtest/gtest.h> that every test program shares.
set(TQ_TEST_COMPILE_OPTIONS -O0)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/gtest_pch.cpp
     CONTENT "// The precompiled GoogleTest header's own translation unit.\n")
add_library(tq_gtest_pch OBJECT ${CMAKE_BINARY_DIR}/generated/gtest_pch.cpp)
target_link_libraries(tq_gtest_pch PRIVATE ${TQ_GTEST_LIBS})
target_compile_options(tq_gtest_pch PRIVATE ${TQ_TEST_COMPILE_OPTIONS})
target_precompile_headers(tq_gtest_pch PRIVATE <gtest/gtest.h>)

# tq_add_test(<name> SOURCES a_test.cpp ... LIBS lib ... [LABELS l ...])
# One test program; every TEST in it becomes a CTest test.
function(tq_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${TQ_GTEST_LIBS})
  target_compile_options(${name} PRIVATE ${TQ_TEST_COMPILE_OPTIONS})
  target_precompile_headers(${name} REUSE_FROM tq_gtest_pch)
  target_compile_definitions(${name} PRIVATE TQ_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
  set(props "")
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  # Under Wine the tests of the Win32 shell share one display, its focus and
  # its foreground window: they run one at a time, while the portable
  # layers' tests may run beside them and beside each other.
  file(RELATIVE_PATH dir ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(WIN32 AND dir MATCHES "^(ui|app|spell/live|spell/dialogs|tests)(/|$)" AND NOT dir MATCHES "^(ui|app)/core(/|$)")
    list(APPEND props RESOURCE_LOCK tq_wine_display)
  endif()
  if(props)
    set(props PROPERTIES ${props})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 ${props})
endfunction()
