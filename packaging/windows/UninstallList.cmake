# Writes the uninstaller's list of what the installer puts into the program
# folder, so that it removes those files and folders and nothing else there:
#   cmake -DSTAGE=folder -DOUTPUT=file.nsh -P UninstallList.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${STAGE}" "${STAGE}/*")
set(folders ${entries})
list(REMOVE_ITEM folders ${files})
list(SORT files)
# Deepest first, so that each folder is empty when its turn comes.
list(SORT folders ORDER DESCENDING)

set(lines "; Made by UninstallList.cmake from the program folder.\n")
foreach(file IN LISTS files)
    string(REPLACE "/" "\\" file "${file}")
    string(APPEND lines "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND lines "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE "${OUTPUT}" "${lines}")
