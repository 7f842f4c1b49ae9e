# Runs the real program with --version, --help and a wrong option where there is
# no display at all and no platform is chosen: each must answer on its stream and
# end with its status, without trying to open a window.
#   cmake -DPROGRAM=... [-DEMULATOR=...] -P AnswersWithoutDisplay.cmake
# EMULATOR is what runs the program in a cross build (wine).

function(run_without_display expected_status stdout_var stderr_var)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ${EMULATOR} "${PROGRAM}" ${ARGN}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err
        TIMEOUT 30)
    if(NOT status STREQUAL expected_status)
        message(FATAL_ERROR "rokal ${ARGN}: status ${status}, not ${expected_status}\n${out}${err}")
    endif()
    if(EMULATOR)
        # A Windows program ends its lines with CR LF.
        string(REPLACE "\r\n" "\n" out "${out}")
        string(REPLACE "\r\n" "\n" err "${err}")
    endif()
    set(${stdout_var} "${out}" PARENT_SCOPE)
    set(${stderr_var} "${err}" PARENT_SCOPE)
endfunction()

run_without_display(0 out err --version)
if(NOT out STREQUAL "rokal 1.2.2022.1228\n" OR NOT err STREQUAL "")
    message(FATAL_ERROR "rokal --version wrote '${out}' and '${err}'")
endif()

run_without_display(0 out err --help)
if(NOT out MATCHES "^Usage: rokal \\[OPTION\\]\\.\\.\\. \\[FILE\\]\n" OR NOT err STREQUAL "")
    message(FATAL_ERROR "rokal --help wrote '${out}' and '${err}'")
endif()

# Qt's own options before --help are passed over, not taken for wrong ones.
run_without_display(0 out err -platform xcb --help)

run_without_display(2 out err --no-such-option)
if(NOT out STREQUAL "" OR NOT err MATCHES "^rokal: unknown option '--no-such-option'\n")
    message(FATAL_ERROR "rokal --no-such-option wrote '${out}' and '${err}'")
endif()
