# What `cmake --install` puts on a Linux system: the programs, and the desktop
# entry, icons, AppStream metainfo and man pages that make the window program
# show up in menus and software centres.
include(GNUInstallDirs)

set(FOLIO_APP_ID io.github.folioscope.Folioscope)
set(FOLIO_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

set(FOLIO_DOCS_DIR ${CMAKE_BINARY_DIR}/docs)
file(MAKE_DIRECTORY ${FOLIO_DOCS_DIR})

# Man pages go out compressed as Debian wants them: -n keeps the name and
# time out of the header, so that the same page gives the same bytes.
function(folio_gzip output input)
  add_custom_command(OUTPUT ${output}
                     COMMAND gzip -n9 -c ${input} > ${output}
                     DEPENDS ${input})
endfunction()

# The settings table of the man page and the completions come from the
# parser's and the settings' own tables.
add_custom_command(
  OUTPUT ${FOLIO_DOCS_DIR}/folioscope-cli.1
  COMMAND folio-docs man ${FOLIO_DATA_DIR}/man/folioscope-cli.1.in ${FOLIO_DOCS_DIR}/folioscope-cli.1
  DEPENDS folio-docs ${FOLIO_DATA_DIR}/man/folioscope-cli.1.in VERBATIM)
add_custom_command(OUTPUT ${FOLIO_DOCS_DIR}/folioscope-cli.bash
                   COMMAND folio-docs bash ${FOLIO_DOCS_DIR}/folioscope-cli.bash
                   DEPENDS folio-docs VERBATIM)
add_custom_command(OUTPUT ${FOLIO_DOCS_DIR}/_folioscope-cli
                   COMMAND folio-docs zsh ${FOLIO_DOCS_DIR}/_folioscope-cli
                   DEPENDS folio-docs VERBATIM)
folio_gzip(${FOLIO_DOCS_DIR}/folioscope-cli.1.gz ${FOLIO_DOCS_DIR}/folioscope-cli.1)
folio_gzip(${FOLIO_DOCS_DIR}/folioscope.1.gz ${FOLIO_DATA_DIR}/man/folioscope.1)
folio_gzip(${FOLIO_DOCS_DIR}/changelog.gz ${FOLIO_DATA_DIR}/changelog)
add_custom_target(folio-docs-output ALL
                  DEPENDS ${FOLIO_DOCS_DIR}/folioscope-cli.1.gz ${FOLIO_DOCS_DIR}/folioscope.1.gz
                          ${FOLIO_DOCS_DIR}/changelog.gz ${FOLIO_DOCS_DIR}/folioscope-cli.bash
                          ${FOLIO_DOCS_DIR}/_folioscope-cli)

install(TARGETS folioscope-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Both programs carry their translations; the .qm files are installed too,
# for the translator's tools and the distribution's language packs.
install(FILES ${FOLIO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/folioscope/translations)
install(FILES ${FOLIO_DOCS_DIR}/folioscope-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${FOLIO_DOCS_DIR}/folioscope-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME folioscope-cli)
install(FILES ${FOLIO_DOCS_DIR}/_folioscope-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
# The licence in the machine-readable form Debian reads, and the changes.
install(FILES ${FOLIO_DATA_DIR}/copyright ${FOLIO_DOCS_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/folioscope)

# The desktop files describe the window program; without it they would point
# at nothing.
if(TARGET folioscope)
  install(TARGETS folioscope RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${FOLIO_DOCS_DIR}/folioscope.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${FOLIO_DATA_DIR}/${FOLIO_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${FOLIO_DATA_DIR}/${FOLIO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${FOLIO_DATA_DIR}/icons/hicolor/scalable/apps/${FOLIO_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${FOLIO_DATA_DIR}/icons/hicolor/256x256/apps/${FOLIO_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()
