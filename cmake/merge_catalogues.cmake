# cmake -DMSGMERGE=... -DDIR=... -DPOT=... -P merge_catalogues.cmake: brings every DIR/LANG.po up
# to date with the template POT (new texts empty, changed ones fuzzy).
file(GLOB catalogues ${DIR}/*.po)
foreach(po IN LISTS catalogues)
  execute_process(COMMAND ${MSGMERGE} --quiet --update --backup=none ${po} ${POT} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "msgmerge could not update ${po}")
  endif()
endforeach()
