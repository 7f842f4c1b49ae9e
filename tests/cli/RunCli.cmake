# Runs the real rokal-cli and checks its exit status.
#   CLI        the program
#   EMULATOR   what runs it in a cross build (wine), may be empty
#   ARGS       its arguments, separated by "|"
#   EXPECT     the exit status it must give
#   WORK_DIR   the folder it runs in
#   ABSENT     a file that must not exist afterwards (optional)
string(REPLACE "|" ";" args "${ARGS}")
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${EMULATOR} ${CLI} ${args}
                WORKING_DIRECTORY ${WORK_DIR}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status STREQUAL EXPECT)
    message(FATAL_ERROR "rokal-cli ${args}\nexit status ${status}, expected ${EXPECT}\n"
                        "stdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED ABSENT AND EXISTS "${WORK_DIR}/${ABSENT}")
    message(FATAL_ERROR "rokal-cli ${args} left ${ABSENT} behind")
endif()
