# Converts the example schedule to an .xlsx workbook with headless LibreOffice,
# then runs the test that reads both.
#   SOFFICE    LibreOffice's program
#   EXAMPLE    the example schedule (CSV)
#   TESTS      the schedule test program
#   EMULATOR   what runs it in a cross build (wine), may be empty
#   WORK_DIR   a folder of the test's own
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/home)
file(COPY ${EXAMPLE} DESTINATION ${WORK_DIR})
get_filename_component(name ${EXAMPLE} NAME_WE)
# Comma-separated, quoted with ", UTF-8 (76), from the first line.
execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK_DIR}/home
                        ${SOFFICE} --headless --infilter=CSV:44,34,76,1 --convert-to xlsx
                        --outdir ${WORK_DIR} ${WORK_DIR}/${name}.csv
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 300)
if(NOT EXISTS ${WORK_DIR}/${name}.xlsx)
    message(FATAL_ERROR "LibreOffice made no workbook (status ${status}):\n${out}\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ROKAL_LIBREOFFICE_XLSX=${WORK_DIR}/${name}.xlsx
                        ${EMULATOR} ${TESTS} --gtest_filter=LibreOfficeWorkbook.*
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "PASSED  \\] 1 test")
    message(FATAL_ERROR "${out}\n${err}")
endif()
