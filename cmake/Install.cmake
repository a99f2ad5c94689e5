# What `cmake --install` puts on a Linux system: the programs, and the desktop
# entry, icons, AppStream metainfo and man pages that make the window program
# show up in menus and software centres.
include(GNUInstallDirs)

set(FOLIO_APP_ID io.github.folioscope.Folioscope)
set(FOLIO_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS folioscope-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Both programs carry their translations; the .qm files are installed too,
# for the translator's tools and the distribution's language packs.
install(FILES ${FOLIO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/folioscope/translations)
install(FILES ${FOLIO_DATA_DIR}/man/folioscope-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The desktop files describe the window program; without it they would point
# at nothing.
if(TARGET folioscope)
  install(TARGETS folioscope RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${FOLIO_DATA_DIR}/man/folioscope.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${FOLIO_DATA_DIR}/${FOLIO_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${FOLIO_DATA_DIR}/${FOLIO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${FOLIO_DATA_DIR}/icons/hicolor/scalable/apps/${FOLIO_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${FOLIO_DATA_DIR}/icons/hicolor/256x256/apps/${FOLIO_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()
