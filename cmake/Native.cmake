# Native build: the portable logic and its unit tests, or its fuzz targets.
if(VANTREL_FUZZ)
  include(cmake/Fuzz.cmake)
  return()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(VANTREL_SANITIZE)
  foreach(gtest_target gtest gtest_main gmock)
    target_compile_options(${gtest_target} PRIVATE -fsanitize=address,undefined)
  endforeach()
endif()

file(GLOB_RECURSE VANTREL_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${VANTREL_UNIT_TESTS})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_link_libraries(unit_tests PRIVATE vantrel_core GTest::gmock GTest::gtest_main)
vantrel_target_options(unit_tests)

include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)
