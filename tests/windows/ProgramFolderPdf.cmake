# rokal-cli.exe of the program folder writes a PDF book with nothing but that
# folder: Qt draws the pages on its offscreen platform, whose plugin the folder
# must hold. A failure shows what the program said.
#   RUN       what runs the program (wine, without other DLL folders)
#   CLI       rokal-cli.exe in the program folder
#   EXAMPLE   a schedule
#   WORK_DIR  a folder of the test's own
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${RUN} ${CLI} check ${EXAMPLE} --pdf book.pdf
                WORKING_DIRECTORY ${WORK_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
# The example has piles that fail their checks: status 1.
if(NOT status STREQUAL 1 OR NOT EXISTS ${WORK_DIR}/book.pdf)
    message(FATAL_ERROR "exit status ${status}, book.pdf written: no\n${out}\n${err}")
endif()
file(READ ${WORK_DIR}/book.pdf start LIMIT 5 HEX)
if(NOT start STREQUAL "255044462d")  # "%PDF-"
    message(FATAL_ERROR "book.pdf is no PDF: ${start}")
endif()
