# Runs rokal-cli twice, once writing an output to standard output ("-") and once
# to a file, and checks that both hold the same bytes (no line-end translation).
#   CLI        the program
#   EMULATOR   what runs it in a cross build (wine), may be empty
#   ARGS       its arguments, separated by "|"
#   OPTION     the output's option, such as --csv
#   WORK_DIR   the folder it runs in
string(REPLACE "|" ";" args "${ARGS}")
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${EMULATOR} ${CLI} ${args} ${OPTION} -
                WORKING_DIRECTORY ${WORK_DIR}
                OUTPUT_FILE ${WORK_DIR}/standard-output
                ERROR_QUIET)
execute_process(COMMAND ${EMULATOR} ${CLI} ${args} ${OPTION} file
                WORKING_DIRECTORY ${WORK_DIR}
                OUTPUT_QUIET ERROR_QUIET)
file(SIZE ${WORK_DIR}/file size)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/standard-output
                        ${WORK_DIR}/file
                RESULT_VARIABLE differ)
if(differ OR size EQUAL 0)
    message(FATAL_ERROR "rokal-cli ${args} ${OPTION}: standard output and file differ "
                        "(see ${WORK_DIR})")
endif()
