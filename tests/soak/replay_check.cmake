# Runs the soak twice from one seed and fails unless both runs performed the same events, one
# per index: a seed must be enough to replay a run.
# cmake -DSOAK=<lumenary_soak> -DSEED=<n> -DEVENTS=<m> -P replay_check.cmake
foreach(run 1 2)
    execute_process(COMMAND ${SOAK} --seed ${SEED} --events ${EVENTS} --trace-from 0
                    OUTPUT_QUIET ERROR_VARIABLE output RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "soak run ${run} failed (${result}):\n${output}")
    endif()
    # A bracket would keep CMake from splitting the list at the semicolons after it.
    string(REPLACE "[" "(" output "${output}")
    string(REPLACE "]" ")" output "${output}")
    string(REGEX MATCHALL "(^|\n)[0-9]+: [^\n]*" trace_${run} "${output}")
endforeach()
list(LENGTH trace_1 count)
if(NOT count EQUAL EVENTS)
    message(FATAL_ERROR "the trace lists ${count} events, not ${EVENTS}")
endif()
if(NOT trace_1 STREQUAL trace_2)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        list(GET trace_1 ${i} a)
        list(GET trace_2 ${i} b)
        if(NOT a STREQUAL b)
            message(FATAL_ERROR "seed ${SEED} replayed differently:\n${a}\n${b}")
        endif()
    endforeach()
endif()
