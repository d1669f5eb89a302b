# Adds the subfolders of the current folder that have a CMakeLists.txt of their own,
# so each area of the program registers itself without editing a shared list.
function(drawlyze_add_present_subdirectories)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# The kinds of test, as `ctest -L KIND` picks them, and how long one test of
# each kind may take before it counts as hung (seconds): fast core tests,
# window tests, tests against a loopback server or the command line's binary,
# and the slow ones (the recorded-output comparison, a large history, install).
set(DRAWLYZE_TIMEOUT_unit 60 CACHE STRING "Seconds a unit test may take")
set(DRAWLYZE_TIMEOUT_gui 120 CACHE STRING "Seconds a window test may take")
set(DRAWLYZE_TIMEOUT_network 120 CACHE STRING "Seconds a loopback network test may take")
set(DRAWLYZE_TIMEOUT_cli 120 CACHE STRING "Seconds a test of the command line's binary may take")
set(DRAWLYZE_TIMEOUT_recorded 600 CACHE STRING "Seconds the recorded-output comparison may take")
set(DRAWLYZE_TIMEOUT_slow 300 CACHE STRING "Seconds a slow test (large history, install) may take")

# One test executable per *_test.cpp file of the current folder, each linked with LIBS.
# A file of its own per executable keeps one area's broken test from hiding another's.
# LABEL is the kind of its tests (unit when not given) and sets their time-out;
# a file named in the list of another kind, as `NETWORK http_cli_test`, takes that kind.
function(drawlyze_add_test_files)
  cmake_parse_arguments(ARG "" "PREFIX;LABEL" "LIBS;ENV;GUI;NETWORK;CLI;SLOW" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  file(GLOB test_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(file ${test_files})
    get_filename_component(name ${file} NAME_WE)
    set(target ${ARG_PREFIX}${name})
    add_executable(${target} ${file})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${target} PRIVATE
      DRAWLYZE_SOURCE_DIR="${CMAKE_SOURCE_DIR}" DRAWLYZE_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
    set(label ${ARG_LABEL})
    foreach(kind GUI NETWORK CLI SLOW)
      if(name IN_LIST ARG_${kind})
        string(TOLOWER ${kind} label)
      endif()
    endforeach()
    drawlyze_test_kind(${label} timeout)
    set(properties LABELS ${label} TIMEOUT ${timeout})
    if(ARG_ENV)  # an empty ENVIRONMENT would take the next word as its value
      list(APPEND properties ENVIRONMENT "${ARG_ENV}")
    endif()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
  endforeach()
endfunction()

# The time-out of a kind of test; an unknown kind is an error, so that a typo
# cannot leave a test out of every `ctest -L`.
function(drawlyze_test_kind kind out)
  if(NOT DEFINED DRAWLYZE_TIMEOUT_${kind})
    message(FATAL_ERROR "unknown kind of test: ${kind} (unit, gui, network, cli, recorded, slow)")
  endif()
  set(${out} ${DRAWLYZE_TIMEOUT_${kind}} PARENT_SCOPE)
endfunction()

# Labels the named (non-GoogleTest) tests with a kind and its time-out.
function(drawlyze_test_properties kind)
  drawlyze_test_kind(${kind} timeout)
  set_tests_properties(${ARGN} PROPERTIES LABELS ${kind} TIMEOUT ${timeout})
endfunction()
