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
install(FILES ${VESK_RESOURCE_DIR}/man/vesknotes.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
