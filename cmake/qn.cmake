# qn_module(NAME DIR [DEPS lib...] [TEST_DEPS lib...])
#
# A module is one static library built from the .cpp files of a folder
# (not recursive), leaving out *_test.cpp, *_fuzz.cpp and *_main.cpp. The folder's
# *_test.cpp files become one GoogleTest program NAME_tests.
function(qn_module name)
  cmake_parse_arguments(M "" "DIR" "DEPS;TEST_DEPS" ${ARGN})
  if(NOT M_DIR)
    set(M_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB all_sources CONFIGURE_DEPENDS ${M_DIR}/*.cpp)
  set(lib_sources "")
  set(test_sources "")
  foreach(src IN LISTS all_sources)
    if(src MATCHES "_test\\.cpp$")
      list(APPEND test_sources ${src})
    elseif(NOT src MATCHES "_(fuzz|main)\\.cpp$")
      list(APPEND lib_sources ${src})
    endif()
  endforeach()
  if(lib_sources)
    add_library(${name} STATIC ${lib_sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${M_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${M_DEPS})
  endif()
  if(QN_BUILD_TESTS AND test_sources)
    add_executable(${name}_tests ${test_sources})
    set_target_properties(${name}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name}_tests PRIVATE ${name} ${M_TEST_DEPS} GTest::gmock qn_test_main)
    target_compile_definitions(${name}_tests PRIVATE
      QN_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QN_PROGRAM_DIR="${QN_PROGRAM_DIR}"
      QN_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QN_PROGRAM_DIR=${QN_PROGRAM_DIR}")
  endif()
endfunction()

# qn_fuzz(NAME name TEST test_name SOURCES file... CORPUS dir [MAX_LEN n])
#
# A libFuzzer target built with clang and the address and undefined-behaviour
# sanitizers directly on the listed sources (the main build uses g++), and run
# for five seconds by ctest on its committed seed corpus. Sources are relative
# to the calling folder or absolute. Nothing is built without QN_BUILD_FUZZ,
# the tests, or clang.
function(qn_fuzz)
  cmake_parse_arguments(F "" "NAME;TEST;CORPUS;MAX_LEN" "SOURCES" ${ARGN})
  if(NOT (QN_BUILD_FUZZ AND QN_BUILD_TESTS))
    return()
  endif()
  find_program(QN_CLANGXX NAMES clang++ clang++-19 clang++-18 clang++-17 clang++-16 clang++-15 clang++-14)
  if(NOT QN_CLANGXX)
    return()
  endif()
  if(NOT F_MAX_LEN)
    set(F_MAX_LEN 4096)
  endif()
  set(sources "")
  set(headers "")
  foreach(src IN LISTS F_SOURCES)
    cmake_path(ABSOLUTE_PATH src BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE abs)
    list(APPEND sources ${abs})
    cmake_path(GET abs PARENT_PATH dir)
    file(GLOB dir_headers ${dir}/*.h)
    list(APPEND headers ${dir_headers})
  endforeach()
  list(REMOVE_DUPLICATES headers)
  set(fuzz_dir ${CMAKE_BINARY_DIR}/fuzz)
  set(bin ${fuzz_dir}/${F_NAME}_fuzz)
  file(MAKE_DIRECTORY ${fuzz_dir}/${F_NAME}_work)
  add_custom_command(
    OUTPUT ${bin}
    COMMAND ${QN_CLANGXX} -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined
            -fno-sanitize-recover=undefined -I${PROJECT_SOURCE_DIR} ${sources} -o ${bin}
    DEPENDS ${sources} ${headers}
    COMMENT "Building the ${F_NAME} fuzz target with clang"
    VERBATIM)
  add_custom_target(${F_NAME}_fuzz ALL DEPENDS ${bin})
  cmake_path(ABSOLUTE_PATH F_CORPUS BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE corpus)
  add_test(NAME ${F_TEST}
           COMMAND ${bin} -max_total_time=5 -max_len=${F_MAX_LEN} -timeout=10
                   -artifact_prefix=${fuzz_dir}/ ${fuzz_dir}/${F_NAME}_work ${corpus})
  set_tests_properties(${F_TEST} PROPERTIES ENVIRONMENT "TMPDIR=${fuzz_dir}")
endfunction()

# make_model (bench/make_model.cpp), the synthetic model maker of the
# benchmarks and of the fault-injection tests, defined once for both.
function(qn_make_model)
  if(TARGET make_model)
    return()
  endif()
  add_executable(make_model ${PROJECT_SOURCE_DIR}/bench/make_model.cpp)
  target_link_libraries(make_model PRIVATE qn_kbwriter)
  target_compile_definitions(make_model PRIVATE QN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(make_model PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
