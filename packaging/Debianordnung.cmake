# Run by cpack between staging the installed files and packing them: a
# Debian package of section games keeps its programs in /usr/games (Debian
# policy; lintian refuses them in /usr/bin), and its menu entry starts the
# game by that path, whatever PATH the desktop session has. The data folder,
# found relative to the program's folder, stays reachable: games/ and bin/
# lie side by side.
set(stufe ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
if(NOT CPACK_GENERATOR STREQUAL "DEB" OR NOT EXISTS ${stufe}/bin)
  return()
endif()
file(GLOB programme ${stufe}/bin/*)
file(MAKE_DIRECTORY ${stufe}/games)
foreach(programm ${programme})
  get_filename_component(name ${programm} NAME)
  file(RENAME ${programm} ${stufe}/games/${name})
  # CPack's stripping leaves the sections Debian's removes as well.
  execute_process(COMMAND ${CPACK_PELU_STRIP} --remove-section=.comment --remove-section=.note
                          ${stufe}/games/${name} RESULT_VARIABLE ergebnis)
  if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "${CPACK_PELU_STRIP} failed on ${name}")
  endif()
endforeach()
file(REMOVE_RECURSE ${stufe}/bin)

file(GLOB eintraege ${stufe}/share/applications/*.desktop)
foreach(eintrag ${eintraege})
  file(READ ${eintrag} text)
  string(REGEX REPLACE "\nExec=([^\n/]+)" "\nExec=${CPACK_PACKAGING_INSTALL_PREFIX}/games/\\1"
         text "${text}")
  file(WRITE ${eintrag} "${text}")
endforeach()
