# The desktop entry, the AppStream data and the manual in every language, made at build time:
# msgfmt merges po/dist/LANG.po into the first two, po4a writes one manual page per po/man/LANG.po.
# Their source texts are the English files in dist/, since desktops, software centres and man show
# the untranslated text to everyone without a translation; so Russian is a translation here, and
# the languages are Russian plus po/LINGUAS without English.
find_program(MSGFMT_DIST msgfmt REQUIRED)
find_program(XGETTEXT_DIST xgettext REQUIRED)
find_program(MSGMERGE_DIST msgmerge REQUIRED)
find_program(PO4A po4a REQUIRED)

set(DIST_OUT ${CMAKE_BINARY_DIR}/dist)
set(DIST_PO ${CMAKE_SOURCE_DIR}/po/dist)
set(MAN_PO ${CMAKE_SOURCE_DIR}/po/man)

set(dist_languages ru)
if(EXISTS ${CMAKE_SOURCE_DIR}/po/LINGUAS)
  file(STRINGS ${CMAKE_SOURCE_DIR}/po/LINGUAS game_languages REGEX "^[^#]")
  list(TRANSFORM game_languages STRIP)
  list(APPEND dist_languages ${game_languages})
endif()
list(REMOVE_ITEM dist_languages en)
list(REMOVE_DUPLICATES dist_languages)
# A language without its desktop or manual catalogue yet is left out of those files (the game
# itself still has it); tests/check_dist_translations.sh fails until both are there.
set(desktop_languages "")
set(dist_po_files "")
set(man_languages "")
set(man_po_files "")
foreach(lang IN LISTS dist_languages)
  if(EXISTS ${DIST_PO}/${lang}.po)
    list(APPEND desktop_languages ${lang})
    list(APPEND dist_po_files ${DIST_PO}/${lang}.po)
  else()
    message(WARNING "po/dist/${lang}.po is missing: the desktop entry and AppStream data have no ${lang} text")
  endif()
  if(EXISTS ${MAN_PO}/${lang}.po)
    list(APPEND man_languages ${lang})
    list(APPEND man_po_files ${MAN_PO}/${lang}.po)
  else()
    message(WARNING "po/man/${lang}.po is missing: there is no ${lang} manual page")
  endif()
endforeach()

# msgfmt's bulk mode reads the language list from a LINGUAS beside the catalogues, so the
# catalogues are copied next to one written from the list above.
list(JOIN desktop_languages "\n" dist_linguas)
file(WRITE ${DIST_OUT}/po/LINGUAS.new "${dist_linguas}\n")
file(COPY_FILE ${DIST_OUT}/po/LINGUAS.new ${DIST_OUT}/po/LINGUAS ONLY_IF_DIFFERENT)
set(desktop ${DIST_OUT}/${STROYLIK_APP_ID}.desktop)
set(metainfo ${DIST_OUT}/${STROYLIK_APP_ID}.metainfo.xml)
add_custom_command(
  OUTPUT ${desktop} ${metainfo}
  COMMAND ${CMAKE_COMMAND} -E copy ${dist_po_files} ${DIST_OUT}/po/
  COMMAND ${MSGFMT_DIST} --desktop --template=${CMAKE_SOURCE_DIR}/dist/${STROYLIK_APP_ID}.desktop
          -d ${DIST_OUT}/po -o ${desktop}
  COMMAND ${MSGFMT_DIST} --xml --template=${CMAKE_SOURCE_DIR}/dist/${STROYLIK_APP_ID}.metainfo.xml
          -d ${DIST_OUT}/po -o ${metainfo}
  DEPENDS ${dist_po_files} ${DIST_OUT}/po/LINGUAS
          ${CMAKE_SOURCE_DIR}/dist/${STROYLIK_APP_ID}.desktop ${CMAKE_SOURCE_DIR}/dist/${STROYLIK_APP_ID}.metainfo.xml
  COMMENT "Translating the desktop entry and the AppStream data")

# po4a takes its languages from the PO files in po/man; --no-update leaves the sources alone.
set(man_pages "")
foreach(lang IN LISTS man_languages)
  list(APPEND man_pages ${DIST_OUT}/man/${lang}/stroylik.6)
endforeach()
add_custom_command(
  OUTPUT ${man_pages}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_OUT}/man
  COMMAND ${PO4A} --no-update --quiet --srcdir ${CMAKE_SOURCE_DIR} --destdir ${DIST_OUT}/man
          ${MAN_PO}/po4a.cfg
  DEPENDS ${man_po_files} ${MAN_PO}/po4a.cfg ${CMAKE_SOURCE_DIR}/dist/stroylik.6
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Translating the manual page")
add_custom_target(dist_translations ALL DEPENDS ${desktop} ${metainfo} ${man_pages})

install(FILES ${desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES dist/stroylik.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
foreach(lang IN LISTS man_languages)
  install(FILES ${DIST_OUT}/man/${lang}/stroylik.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/${lang}/man6)
endforeach()

# Rewrites the templates of both domains from dist/ and merges them into every catalogue there;
# a translator then fills in the new or fuzzy entries.
add_custom_target(pot_dist
  COMMAND ${XGETTEXT_DIST} --from-code=UTF-8 --add-comments --package-name=stroylik-dist
          --msgid-bugs-address=team@stroylik.org -o po/dist/stroylik-dist.pot
          dist/${STROYLIK_APP_ID}.desktop dist/${STROYLIK_APP_ID}.metainfo.xml
  COMMAND ${CMAKE_COMMAND} -DMSGMERGE=${MSGMERGE_DIST} -DDIR=${DIST_PO} -DPOT=${DIST_PO}/stroylik-dist.pot
          -P ${CMAKE_SOURCE_DIR}/cmake/merge_catalogues.cmake
  COMMAND ${PO4A} --no-translations ${MAN_PO}/po4a.cfg
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Updating po/dist and po/man from dist/")
