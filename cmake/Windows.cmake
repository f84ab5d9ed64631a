# Windows build (mingw-w64 or MSVC): the program, its framework layer and the
# Windows-bound tests that run under Wine.

if(NOT MSVC)
  # Only system DLLs at run time; unused code and symbols left out.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections
                   $<$<CONFIG:Release>:-s>)
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0501 WINVER=0x0501)

file(GLOB_RECURSE VANTREL_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp)
list(FILTER VANTREL_WIN_SOURCES EXCLUDE REGEX "/src/app/")
add_library(vantrel_win STATIC ${VANTREL_WIN_SOURCES})
target_include_directories(vantrel_win PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(vantrel_win PUBLIC vantrel_core user32 gdi32 version)
vantrel_target_options(vantrel_win)

# Resources of the program: every .rc under src/forms.
file(GLOB VANTREL_FORM_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/forms/*.rc)
include(cmake/Resources.cmake OPTIONAL)

add_executable(Vantrel WIN32 ${CMAKE_SOURCE_DIR}/src/app/main.cpp ${VANTREL_FORM_RESOURCES})
target_link_libraries(Vantrel PRIVATE vantrel_win)
vantrel_target_options(Vantrel)

# The minimal clock the benchmarks compare the program with.
add_executable(reference_clock WIN32 EXCLUDE_FROM_ALL
               ${CMAKE_SOURCE_DIR}/bench/reference/reference_clock.cpp)
vantrel_target_options(reference_clock)

# The Windows test programs need GoogleTest's sources; without them (a plain
# Windows checkout) only the program is built.
set(VANTREL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${VANTREL_GTEST_SOURCE}/CMakeLists.txt)
  return()
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VANTREL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's customisation headers, found before its own.
target_include_directories(gtest BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/tests/win/gtest-custom)

# One test program per file under tests/win, each with the program's resources.
file(GLOB VANTREL_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*Test.cpp)
foreach(test_source ${VANTREL_WIN_TESTS})
  get_filename_component(test_name ${test_source} NAME_WE)
  add_executable(${test_name} ${test_source} ${VANTREL_FORM_RESOURCES})
  target_include_directories(${test_name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)
  target_link_libraries(${test_name} PRIVATE vantrel_win GTest::gtest_main)
  vantrel_target_options(${test_name})
  add_test(NAME wine.${test_name}
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/harness/run-wine-test.sh ${CMAKE_BINARY_DIR}
                   $<TARGET_FILE:${test_name}>)
  set_tests_properties(wine.${test_name} PROPERTIES TIMEOUT 400 RUN_SERIAL ON)
endforeach()

# Small console tools that the end-to-end tests use to look at the program's windows.
file(GLOB VANTREL_TEST_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tools/*.cpp)
foreach(tool_source ${VANTREL_TEST_TOOLS})
  get_filename_component(tool_name ${tool_source} NAME_WE)
  add_executable(${tool_name} ${tool_source})
  file(STRINGS ${tool_source} gui_entry REGEX "WinMain")
  if(gui_entry)
    set_target_properties(${tool_name} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
  vantrel_target_options(${tool_name})
endforeach()

# End-to-end tests drive the real program under Wine and Xvfb.
file(GLOB VANTREL_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
foreach(test_script ${VANTREL_E2E_TESTS})
  get_filename_component(test_name ${test_script} NAME_WE)
  add_test(NAME e2e.${test_name}
           COMMAND bash ${test_script} ${CMAKE_BINARY_DIR} $<TARGET_FILE:Vantrel>)
  # A script that cannot run on this machine exits with 77 and counts as skipped.
  set_tests_properties(e2e.${test_name} PROPERTIES TIMEOUT 400 RUN_SERIAL ON SKIP_RETURN_CODE 77)
endforeach()
