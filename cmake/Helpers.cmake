# Adds the subfolders of the current folder that have a CMakeLists.txt of their own,
# so each area of the program registers itself without editing a shared list.
function(drawlyze_add_present_subdirectories)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# One test executable per *_test.cpp file of the current folder, each linked with LIBS.
# A file of its own per executable keeps one area's broken test from hiding another's.
function(drawlyze_add_test_files)
  cmake_parse_arguments(ARG "" "PREFIX" "LIBS;ENV" ${ARGN})
  file(GLOB test_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(file ${test_files})
    get_filename_component(name ${file} NAME_WE)
    set(target ${ARG_PREFIX}${name})
    add_executable(${target} ${file})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${target} PRIVATE
      DRAWLYZE_SOURCE_DIR="${CMAKE_SOURCE_DIR}" DRAWLYZE_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "${ARG_ENV}" TIMEOUT 300)
  endforeach()
endfunction()
