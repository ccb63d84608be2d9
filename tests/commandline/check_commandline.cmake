cmake_minimum_required(VERSION 3.21)
# Without any display: the answers must come before the program looks for one. A row is the
# arguments, the exit code, and what standard output (code 0) or standard error must match.
set(rows
  "--version|0|^WENDARIX ${VERSION}\n$"
  "-h|0|--version.*--menu"
  "-style,Fusion,--version|0|^WENDARIX ${VERSION}\n$"
  "--vraag|2|^wendarix: Onbekende optie 'vraag'.\nGebruik: wendarix "
  "QuivarLijst.txt|2|Onverwacht argument 'QuivarLijst.txt'")
foreach(row ${rows})
  string(REPLACE "|" ";" row "${row}")
  list(POP_FRONT row arguments code pattern)
  string(REPLACE "," ";" arguments "${arguments}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          --unset=QT_QPA_PLATFORM ${PROGRAM} ${arguments}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(code EQUAL 0)
    set(seen "${out}")
  else()
    set(seen "${err}")
  endif()
  if(NOT result STREQUAL code OR NOT seen MATCHES "${pattern}")
    message(FATAL_ERROR "wendarix ${arguments}: exit ${result}\n${out}${err}")
  endif()
endforeach()
