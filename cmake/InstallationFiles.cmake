# The installation's files (default notes and settings, the help) live in
# resources/. The program looks for them beside its executable in a build tree
# and under <prefix>/share/vesknotes/ when installed, never in the current
# directory.
set(VESK_RESOURCE_DIR ${PROJECT_SOURCE_DIR}/resources)
set(VESK_INSTALLATION_FOLDERS default help)
set(VESK_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vesknotes)

# Where the installed files are seen from the installed executable's folder.
file(RELATIVE_PATH VESK_DATA_FROM_BIN
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/vesknotes)

# Copies the installation folders next to the target's executable on every
# build; folders not written yet are skipped.
function(vesk_bundle_installation_files target)
    list(JOIN VESK_INSTALLATION_FOLDERS "," folders)
    add_custom_target(${target}_installation_files
        COMMAND ${CMAKE_COMMAND} -DSOURCE=${VESK_RESOURCE_DIR} -DFOLDERS=${folders}
                -DDESTINATION=$<TARGET_FILE_DIR:${target}>
                -P ${PROJECT_SOURCE_DIR}/cmake/CopyInstallationFiles.cmake
        VERBATIM)
    add_dependencies(${target} ${target}_installation_files)
endfunction()

foreach(folder IN LISTS VESK_INSTALLATION_FOLDERS)
    install(DIRECTORY ${VESK_RESOURCE_DIR}/${folder} DESTINATION ${VESK_INSTALL_DATA_DIR})
endforeach()
# The program plays its own sounds from inside the executable; the files are
# installed too, for alarms to play.
install(DIRECTORY ${VESK_RESOURCE_DIR}/sounds DESTINATION ${VESK_INSTALL_DATA_DIR})
