# libFuzzer targets. They need clang++ with its fuzzer runtime, which need not be the compiler of
# the rest of the build, so each target is built by a command of its own. Where that compiler
# works, CTest runs each target for a fixed number of inputs from its seed corpus, and the
# `fuzz_long` target runs each for a fixed time; where it does not, the tests report a skip.
option(LUMENARY_FUZZ "Build and run the fuzz targets when clang++ can" ON)
set(LUMENARY_FUZZ_RUNS 20000 CACHE STRING "Inputs each fuzz target tries under CTest")
set(LUMENARY_FUZZ_SECONDS 300 CACHE STRING "Seconds each fuzz target runs under fuzz_long")

set(_fuzz_skip_reason "")
if(NOT LUMENARY_FUZZ)
    set(_fuzz_skip_reason "fuzz targets turned off (LUMENARY_FUZZ)")
else()
    find_program(LUMENARY_FUZZ_CXX NAMES clang++ clang++-16 clang++-15 clang++-14)
    if(NOT LUMENARY_FUZZ_CXX)
        set(_fuzz_skip_reason "no clang++")
    endif()
endif()

set(LUMENARY_FUZZ_FLAGS -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined,float-cast-overflow
    -fno-sanitize-recover=all -include ${PROJECT_SOURCE_DIR}/cmake/build_guards.h)

if(NOT _fuzz_skip_reason AND NOT DEFINED LUMENARY_FUZZ_WORKS)
    set(_probe_dir ${PROJECT_BINARY_DIR}/fuzz-probe)
    file(MAKE_DIRECTORY ${_probe_dir})
    file(WRITE ${_probe_dir}/probe.cpp
        "#include <cstddef>\n#include <cstdint>\n"
        "extern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
    execute_process(
        COMMAND ${LUMENARY_FUZZ_CXX} ${LUMENARY_FUZZ_FLAGS} probe.cpp -o probe
        WORKING_DIRECTORY ${_probe_dir}
        RESULT_VARIABLE _probe_result OUTPUT_QUIET ERROR_QUIET)
    if(_probe_result EQUAL 0)
        set(LUMENARY_FUZZ_WORKS ON CACHE INTERNAL "clang++ builds libFuzzer targets")
    else()
        set(LUMENARY_FUZZ_WORKS OFF CACHE INTERNAL "clang++ builds libFuzzer targets")
    endif()
endif()
if(NOT _fuzz_skip_reason AND NOT LUMENARY_FUZZ_WORKS)
    set(_fuzz_skip_reason "${LUMENARY_FUZZ_CXX} has no fuzzer runtime (libclang-rt-dev)")
endif()
if(_fuzz_skip_reason)
    message(STATUS "Fuzz targets skipped: ${_fuzz_skip_reason}")
endif()

add_custom_target(fuzz_long)

# lumenary_fuzz(NAME SOURCES src... CORPUS dir [INCLUDES dir...] [DEPENDS file...]
#               [QT component...] [DICT file] [MAX_LEN n] [RUNS n] [TIMEOUT s] [RSS_MB n]): one
# libFuzzer target with its seed corpus, a CTest test of RUNS (LUMENARY_FUZZ_RUNS) inputs and a
# share of `fuzz_long`. An input that runs longer than TIMEOUT seconds (10) or makes the process
# larger than RSS_MB (2048) is a finding. QT names Qt libraries to link (Core, Gui, ...). New
# inputs go to a corpus folder in the build tree; the seeds in the source tree stay as they are.
function(lumenary_fuzz name)
    cmake_parse_arguments(F "" "CORPUS;DICT;MAX_LEN;RUNS;TIMEOUT;RSS_MB"
                          "SOURCES;INCLUDES;DEPENDS;QT" ${ARGN})
    if(_fuzz_skip_reason)
        add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "skipped: ${_fuzz_skip_reason}")
        set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "skipped: ")
        return()
    endif()
    set(exe ${CMAKE_CURRENT_BINARY_DIR}/${name})
    set(include_flags)
    set(qt_flags)
    set(qt_libs)
    foreach(component IN LISTS F_QT)
        get_target_property(dirs Qt6::${component} INTERFACE_INCLUDE_DIRECTORIES)
        list(APPEND F_INCLUDES ${dirs})
        list(APPEND qt_libs $<TARGET_FILE:Qt6::${component}>)
        set(qt_flags -fPIC)
    endforeach()
    list(REMOVE_DUPLICATES F_INCLUDES)
    foreach(dir IN LISTS F_INCLUDES)
        list(APPEND include_flags -I${dir})
    endforeach()
    add_custom_command(OUTPUT ${exe}
        COMMAND ${LUMENARY_FUZZ_CXX} ${LUMENARY_FUZZ_FLAGS} ${qt_flags} ${include_flags}
                ${F_SOURCES} ${qt_libs} -o ${exe}
        DEPENDS ${F_SOURCES} ${F_DEPENDS} ${PROJECT_SOURCE_DIR}/cmake/build_guards.h
        COMMENT "Building the fuzz target ${name} with ${LUMENARY_FUZZ_CXX}"
        VERBATIM)
    add_custom_target(${name} ALL DEPENDS ${exe})

    if(NOT F_TIMEOUT)
        set(F_TIMEOUT 10)
    endif()
    if(NOT F_RSS_MB)
        set(F_RSS_MB 2048)
    endif()
    if(NOT F_RUNS)
        set(F_RUNS ${LUMENARY_FUZZ_RUNS})
    endif()
    set(options -timeout=${F_TIMEOUT} -rss_limit_mb=${F_RSS_MB}
        -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${name}-)
    if(F_DICT)
        list(APPEND options -dict=${F_DICT})
    endif()
    if(F_MAX_LEN)
        list(APPEND options -max_len=${F_MAX_LEN})
    endif()
    set(work_corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    file(MAKE_DIRECTORY ${work_corpus})
    add_test(NAME ${name}
        COMMAND ${exe} -runs=${F_RUNS} -seed=1 ${options} ${work_corpus} ${F_CORPUS})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600 ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp")
    add_custom_target(fuzz_long_${name}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp
                ${exe} -max_total_time=${LUMENARY_FUZZ_SECONDS} -print_final_stats=1 ${options}
                ${work_corpus} ${F_CORPUS}
        DEPENDS ${name}
        COMMENT "Fuzzing ${name} for ${LUMENARY_FUZZ_SECONDS} s"
        VERBATIM)
    add_dependencies(fuzz_long fuzz_long_${name})
endfunction()
