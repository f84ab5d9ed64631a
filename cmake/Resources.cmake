# Generated resources of the program, added to VANTREL_FORM_RESOURCES: the
# version record and the images. Included by cmake/Windows.cmake.

find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VANTREL_FORMS_SOURCE ${CMAKE_SOURCE_DIR}/src/forms)
set(VANTREL_FORMS_BINARY ${CMAKE_BINARY_DIR}/forms)

# The version record, from the version numbers of the top CMakeLists.txt.
string(REPLACE "." "," VANTREL_VERSION_COMMAS ${VANTREL_FILE_VERSION})
set(VANTREL_BUILD_NOTE "Built with ${CMAKE_CXX_COMPILER_ID} C++ for ${CMAKE_SYSTEM_PROCESSOR} Windows, \
${CMAKE_BUILD_TYPE}")
configure_file(${VANTREL_FORMS_SOURCE}/Version.rc.in ${VANTREL_FORMS_BINARY}/Version.rc @ONLY)

# The icon is drawn from readable sources whenever those change; the
# configure step reruns by itself after an edit.
set(VANTREL_IMAGE_DIR ${VANTREL_FORMS_BINARY}/images)
set(image_inputs ${VANTREL_FORMS_SOURCE}/make_images.py ${VANTREL_FORMS_SOURCE}/IconPixelMaps.txt)
set(image_outputs Vantrel.ico)
list(TRANSFORM image_outputs PREPEND ${VANTREL_IMAGE_DIR}/)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${image_inputs})
set(images_stale FALSE)
foreach(output ${image_outputs})
  foreach(input ${image_inputs})
    if(NOT EXISTS ${output} OR ${input} IS_NEWER_THAN ${output})
      set(images_stale TRUE)
    endif()
  endforeach()
endforeach()
if(images_stale)
  execute_process(COMMAND ${Python3_EXECUTABLE} ${image_inputs} ${VANTREL_IMAGE_DIR}
                  RESULT_VARIABLE image_result)
  if(NOT image_result EQUAL 0)
    message(FATAL_ERROR "make_images.py failed: ${image_result}")
  endif()
endif()
configure_file(${VANTREL_FORMS_SOURCE}/Images.rc.in ${VANTREL_FORMS_BINARY}/Images.rc @ONLY)
set_source_files_properties(${VANTREL_FORMS_BINARY}/Images.rc PROPERTIES
                            OBJECT_DEPENDS "${image_outputs}")

list(APPEND VANTREL_FORM_RESOURCES ${VANTREL_FORMS_BINARY}/Version.rc
     ${VANTREL_FORMS_BINARY}/Images.rc)

# The resource compiler reports no header dependencies: every script is
# compiled again when a header that scripts include changes.
file(GLOB resource_headers CONFIGURE_DEPENDS ${VANTREL_FORMS_SOURCE}/*.h)
list(APPEND resource_headers ${CMAKE_SOURCE_DIR}/src/framework/DialogControls.h)
set_property(SOURCE ${VANTREL_FORM_RESOURCES} APPEND PROPERTY OBJECT_DEPENDS ${resource_headers})

# Programs that run the version reader over a record that is missing or
# incomplete; tests/win/VersionReaderTest.cpp starts them.
set(VANTREL_PROBE_DIR ${CMAKE_BINARY_DIR}/probes)
set(probe_fixtures ${CMAKE_SOURCE_DIR}/tests/win/fixtures)
add_executable(VersionProbeNoVersionRecord ${probe_fixtures}/VersionProbe.cpp)
add_executable(VersionProbeNoTranslation ${probe_fixtures}/VersionProbe.cpp
                                         ${probe_fixtures}/NoTranslation.rc)
add_executable(VersionProbeNoFileVersion ${probe_fixtures}/VersionProbe.cpp
                                         ${probe_fixtures}/NoFileVersion.rc)
set(VANTREL_VERSION_PROBES VersionProbeNoVersionRecord VersionProbeNoTranslation
                           VersionProbeNoFileVersion)
foreach(probe ${VANTREL_VERSION_PROBES})
  target_link_libraries(${probe} PRIVATE vantrel_win)
  set_target_properties(${probe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VANTREL_PROBE_DIR})
  vantrel_target_options(${probe})
endforeach()

# The test programs are defined after this file is read.
function(vantrel_wire_version_tests)
  foreach(test VersionReaderTest AboutDialogTest)
    if(TARGET ${test})
      target_compile_definitions(${test} PRIVATE
        VANTREL_FILE_VERSION_TEXT="${VANTREL_FILE_VERSION}"
        VANTREL_PRODUCT_VERSION_TEXT="${VANTREL_PRODUCT_VERSION_TEXT}")
    endif()
  endforeach()
  if(TARGET VersionReaderTest)
    add_dependencies(VersionReaderTest ${VANTREL_VERSION_PROBES})
    # The test runs under Wine from a copy elsewhere: it reaches the probes by
    # an absolute path, on the drive that Wine maps to the root folder.
    if(CMAKE_HOST_WIN32)
      set(probe_dir ${VANTREL_PROBE_DIR})
    else()
      set(probe_dir Z:${VANTREL_PROBE_DIR})
    endif()
    target_compile_definitions(VersionReaderTest PRIVATE VERSION_PROBE_DIR="${probe_dir}")
  endif()
endfunction()
cmake_language(DEFER CALL vantrel_wire_version_tests)
