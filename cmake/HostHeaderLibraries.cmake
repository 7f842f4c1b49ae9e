# Header-only libraries for a cross build, taken from the build machine's Debian
# packages. Their package files point the compiler at /usr/include, where the
# build machine's C library headers would shadow the cross-compiler's own, so
# each library's target is given a folder that holds only that library's headers.
# A later find_package() of the same library finds the targets already made.
set(_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${_host_headers})

# package name, its target, its header folder under /usr/include
set(_host_header_libraries
    "CLI11|CLI11::CLI11|CLI"
    "nlohmann_json|nlohmann_json::nlohmann_json|nlohmann")

foreach(_entry IN LISTS _host_header_libraries)
    string(REPLACE "|" ";" _entry "${_entry}")
    list(GET _entry 0 _package)
    list(GET _entry 1 _target)
    list(GET _entry 2 _folder)
    find_package(${_package} CONFIG QUIET PATHS /usr/share/cmake /usr/lib/cmake
                 NO_CMAKE_FIND_ROOT_PATH)
    if(TARGET ${_target} AND EXISTS /usr/include/${_folder})
        file(CREATE_LINK /usr/include/${_folder} ${_host_headers}/${_folder} SYMBOLIC)
        set_target_properties(${_target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES
                                                    ${_host_headers})
    endif()
endforeach()
