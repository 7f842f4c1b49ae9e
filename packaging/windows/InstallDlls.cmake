# Installs the DLLs that the programs and plugins load into the program folder,
# with the licence texts of each cross-built library whose DLL is shipped. Run by
# `cmake --install`; ROKAL_PE_FILES, ROKAL_DLL_DIRS, ROKAL_LIBRARY_PREFIXES,
# ROKAL_OBJDUMP and ROKAL_STRIP are set before it.
#
# CMake reads a PE file's imports in lower case ("qt6core.dll") and looks for them
# by that name, which misses "Qt6Core.dll" on a case-sensitive file system; a name
# it cannot find is therefore looked up here without regard to case, and its own
# imports followed in turn. Windows' own DLLs are found in none of the folders and
# are left out.
cmake_policy(SET CMP0057 NEW)  # if(... IN_LIST ...)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${ROKAL_OBJDUMP}")

# Every DLL in the folders, by its name in lower case.
set(available)
foreach(dir IN LISTS ROKAL_DLL_DIRS)
    file(GLOB candidates "${dir}/*.dll")
    foreach(candidate IN LISTS candidates)
        get_filename_component(name "${candidate}" NAME)
        string(TOLOWER "${name}" key)
        if(NOT DEFINED "dll_${key}")
            set("dll_${key}" "${candidate}")
            list(APPEND available "${key}")
        endif()
    endforeach()
endforeach()

set(shipped)
set(to_read ${ROKAL_PE_FILES})
set(read)
while(to_read)
    list(POP_FRONT to_read file)
    if(file IN_LIST read)
        continue()
    endif()
    list(APPEND read "${file}")
    file(GET_RUNTIME_DEPENDENCIES LIBRARIES "${file}"
         DIRECTORIES ${ROKAL_DLL_DIRS}
         RESOLVED_DEPENDENCIES_VAR resolved
         UNRESOLVED_DEPENDENCIES_VAR unresolved)
    foreach(name IN LISTS resolved unresolved)
        get_filename_component(name "${name}" NAME)
        string(TOLOWER "${name}" key)
        if(key IN_LIST available AND NOT "${dll_${key}}" IN_LIST shipped)
            list(APPEND shipped "${dll_${key}}")
            list(APPEND to_read "${dll_${key}}")
        endif()
    endforeach()
endwhile()
file(INSTALL ${shipped} DESTINATION "${CMAKE_INSTALL_PREFIX}")
# With --strip: the compiler's runtime DLLs come with their debug information,
# libstdc++ 20 MB of it; the cross-built libraries are stripped already.
if(CMAKE_INSTALL_DO_STRIP)
    foreach(dll IN LISTS shipped)
        get_filename_component(name "${dll}" NAME)
        execute_process(COMMAND "${ROKAL_STRIP}" --strip-unneeded "${CMAKE_INSTALL_PREFIX}/${name}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()

foreach(prefix IN LISTS ROKAL_LIBRARY_PREFIXES)
    foreach(dll IN LISTS shipped)
        string(FIND "${dll}" "${prefix}/" at)
        if(at EQUAL 0 AND EXISTS "${prefix}/licenses")
            get_filename_component(library "${prefix}" NAME)
            string(REGEX REPLACE "-[0-9a-f]+$" "" library "${library}")
            file(INSTALL "${prefix}/licenses/" DESTINATION "${CMAKE_INSTALL_PREFIX}/licenses/${library}")
            break()
        endif()
    endforeach()
endforeach()
