# Message catalogues: po/LINGUAS names the languages besides Russian (the source language); each
# po/LANG.po is compiled into the game folder at build time and installed where Debian keeps them.
find_program(MSGFMT_EXECUTABLE msgfmt REQUIRED)
find_program(XGETTEXT_EXECUTABLE xgettext REQUIRED)
find_program(MSGMERGE_EXECUTABLE msgmerge REQUIRED)

file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/po/LINGUAS STROYLIK_LANGUAGES REGEX "^[^#]")
list(TRANSFORM STROYLIK_LANGUAGES STRIP)
set(STROYLIK_CATALOGUES "")
foreach(lang IN LISTS STROYLIK_LANGUAGES)
  set(mo ${GAME_DIR}/locale/${lang}/LC_MESSAGES/stroylik.mo)
  add_custom_command(
    OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIR}/locale/${lang}/LC_MESSAGES
    COMMAND ${MSGFMT_EXECUTABLE} --check -o ${mo} ${CMAKE_CURRENT_SOURCE_DIR}/po/${lang}.po
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/po/${lang}.po
    COMMENT "Compiling the ${lang} catalogue")
  list(APPEND STROYLIK_CATALOGUES ${mo})
  install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${lang}/LC_MESSAGES)
endforeach()
add_custom_target(catalogues ALL DEPENDS ${STROYLIK_CATALOGUES})

# Rewrites po/stroylik.pot from the code; then `msgmerge --update po/LANG.po po/stroylik.pot`.
add_custom_target(pot
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cmake/make_pot.sh ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/po/stroylik.pot
  COMMENT "Writing the translation template po/stroylik.pot")
