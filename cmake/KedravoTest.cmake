# kedravo_add_test(NAME name SOURCES a.cpp b.cpp LIBS core lines [ENV VAR=value ...])

# Every test gets a time limit, so that a hang (a save retrying under a warning box that never closes) fails the
# run in minutes instead of stalling it; the slowest test takes seconds.
set(KEDRAVO_TEST_TIMEOUT 300)
find_package(GTest QUIET)
# A cross build finds no GoogleTest for its target; it builds Debian's sources with its own compiler.
if(NOT GTest_FOUND AND CMAKE_CROSSCOMPILING AND EXISTS /usr/src/googletest/googletest)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# kedravo_add_fuzzer(NAME name SOURCE entry.cpp LIB harness): a libFuzzer target for `make fuzz`, built only
# with KEDRAVO_FUZZ (clang).
function(kedravo_add_fuzzer)
  cmake_parse_arguments(F "" "NAME;SOURCE;LIB" "" ${ARGN})
  if(NOT KEDRAVO_FUZZ)
    return()
  endif()
  add_executable(${F_NAME} ${F_SOURCE})
  kedravo_warnings(${F_NAME})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIB})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
endfunction()

function(kedravo_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  kedravo_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${KEDRAVO_TEST_TIMEOUT})
  if(T_ENV)
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${T_ENV}")
  endif()
endfunction()
