# Runs the simulator program with one refused option value: it must stop at once with exit code 2 and say
# why. Called with PROGRAM, OPTION, VALUE and MESSAGE.
execute_process(COMMAND ${PROGRAM} ${OPTION} ${VALUE} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err
                TIMEOUT 10)
if(NOT code STREQUAL "2")
    message(FATAL_ERROR "${OPTION} ${VALUE}: exit code ${code}, not 2\n${out}${err}")
endif()
string(FIND "${out}${err}" "${MESSAGE}" where)
if(where EQUAL -1)
    message(FATAL_ERROR "${OPTION} ${VALUE}: no \"${MESSAGE}\" in:\n${out}${err}")
endif()
