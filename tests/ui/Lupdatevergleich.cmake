# Runs lupdate over the translated sources into copies of the .ts files: a
# text missing from a translation (new, unfinished) or left over (obsolete)
# changes the copy. Run as a test: cmake -DLUPDATE=.. -DOPTIONEN=..
# -DQUELLEN=.. -DTS=.. -DARBEIT=<scratch folder> -P Lupdatevergleich.cmake
file(REMOVE_RECURSE "${ARBEIT}")
file(MAKE_DIRECTORY "${ARBEIT}")
list(LENGTH TS anzahl)
if(anzahl EQUAL 0)
  message(FATAL_ERROR "no .ts files given")
endif()
foreach(ts ${TS})
  get_filename_component(name "${ts}" NAME)
  file(COPY "${ts}" DESTINATION "${ARBEIT}")
  execute_process(COMMAND "${LUPDATE}" ${OPTIONEN} ${QUELLEN} -ts "${ARBEIT}/${name}"
                  RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
  if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${ausgabe}")
  endif()
  file(READ "${ts}" vorher)
  file(READ "${ARBEIT}/${name}" nachher)
  if(NOT vorher STREQUAL nachher)
    message(FATAL_ERROR "${name} lacks texts of the code or keeps texts it no longer has "
                        "(cmake --build <build> --target update_translations, then translate):\n${ausgabe}")
  endif()
endforeach()
