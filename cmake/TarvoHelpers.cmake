# Small helpers so that each test, benchmark and fuzz folder is self-contained.

# tarvo_gtest(NAME SOURCES a.cpp b.cpp [LIBS x y] [ENV "K=V" ...] [LABELS l])
# One GoogleTest executable, registered with CTest test by test.
function(tarvo_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE tarvo_core ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE TARVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             TARVO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set(props "")
  if(T_ENV)
    list(APPEND props ENVIRONMENT "${T_ENV}")
  endif()
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()

# tarvo_bench(NAME SOURCES a.cpp [LIBS x])
function(tarvo_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE tarvo_core ${B_LIBS} benchmark::benchmark)
endfunction()
