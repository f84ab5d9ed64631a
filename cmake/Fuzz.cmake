# libFuzzer targets (clang only): tests/fuzz/*_fuzz.cpp over the portable code.
# Each runs briefly in the test suite over its regression cases and a fresh
# corpus; `make fuzz` runs them longer.
set(VANTREL_FUZZ_SECONDS 8 CACHE STRING "Seconds each fuzz target runs in the test suite")
file(GLOB VANTREL_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(fuzz_source ${VANTREL_FUZZ_TARGETS})
  get_filename_component(fuzz_name ${fuzz_source} NAME_WE)
  add_executable(${fuzz_name} ${fuzz_source})
  target_link_libraries(${fuzz_name} PRIVATE vantrel_core)
  target_compile_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
  vantrel_target_options(${fuzz_name})
  set(regressions ${CMAKE_SOURCE_DIR}/tests/fuzz/regressions/${fuzz_name})
  add_test(NAME fuzz.${fuzz_name}
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/harness/run-fuzz.sh $<TARGET_FILE:${fuzz_name}>
                   ${regressions} ${VANTREL_FUZZ_SECONDS})
  set_tests_properties(fuzz.${fuzz_name} PROPERTIES TIMEOUT 900)
endforeach()
