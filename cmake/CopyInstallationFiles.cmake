# cmake -DSOURCE=<resources> -DFOLDERS=<a,b> -DDESTINATION=<dir> -P CopyInstallationFiles.cmake
# file(COPY) skips files whose copy is already up to date.
string(REPLACE "," ";" FOLDERS "${FOLDERS}")
foreach(folder IN LISTS FOLDERS)
    if(IS_DIRECTORY "${SOURCE}/${folder}")
        file(COPY "${SOURCE}/${folder}" DESTINATION "${DESTINATION}")
    endif()
endforeach()
