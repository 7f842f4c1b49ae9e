# Builds the Debian package from the build folder into a fresh folder and runs
# lintian on it: the package must draw no error and no warning.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DLINTIAN=... -P CheckDebianPackage.cmake

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
    COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake"
            -B "${WORK_DIR}"
    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
    message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages in ${WORK_DIR}: ${packages}")
endif()

execute_process(
    COMMAND "${LINTIAN}" --fail-on error,warning --tag-display-limit 0 --info ${packages}
    RESULT_VARIABLE failed OUTPUT_VARIABLE tags ERROR_VARIABLE tags)
message(STATUS "lintian ${packages}:\n${tags}")
if(failed)
    message(FATAL_ERROR "lintian finds errors or warnings in the package")
endif()
