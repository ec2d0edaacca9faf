# What a desktop needs to offer the program: its menu entry, icon and
# software-centre description, all named after the application id, and the
# manual page.
set(VESK_APP_ID io.github.vesknotes.VeskNotes)
set(VESK_DESKTOP_DIR ${VESK_RESOURCE_DIR}/desktop)

install(FILES ${VESK_DESKTOP_DIR}/${VESK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VESK_DESKTOP_DIR}/${VESK_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VESK_RESOURCE_DIR}/icons/vesknotes.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${VESK_APP_ID}.svg)

# Manual pages are installed compressed, as Debian's policy asks; -n leaves the
# name and time out of the header so the same page always gives the same bytes.
find_program(VESK_GZIP gzip REQUIRED)
set(VESK_MAN_PAGE ${CMAKE_CURRENT_BINARY_DIR}/vesknotes.1.gz)
add_custom_command(OUTPUT ${VESK_MAN_PAGE}
    COMMAND ${VESK_GZIP} -9n -c ${VESK_RESOURCE_DIR}/man/vesknotes.1 > ${VESK_MAN_PAGE}
    DEPENDS ${VESK_RESOURCE_DIR}/man/vesknotes.1
    VERBATIM)
add_custom_target(vesk_man_page ALL DEPENDS ${VESK_MAN_PAGE})
install(FILES ${VESK_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
