# Runs the example session twice through drawhost. The first run starts from
# no preference file and must write the defaults, the document and every
# picture; the second reads the file back (a value changed by hand in it
# moves the tools next to the eyedropper).
set(work ${WORK_DIR})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/out)
set(prefs ${work}/out/preferences.txt)

execute_process(COMMAND ${DRAWHOST} run ${SCRIPT} --plugins ${PLUGINS} --log out/session.log
    --dump out/session.json --svg out/session.svg --png out/session.png --prefs ${prefs}
  WORKING_DIRECTORY ${work} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "first run: exit ${rc}: ${err}")
endif()
foreach(f session.log session.json session.svg session.png toolbox.png about.png colours.png profile-editor.png
          preferences.png preferences.txt
          palette-cercles.png palette-rectangles.png palette-aide.png palette-sans-aide.png)
  if(NOT EXISTS ${work}/out/${f})
    message(FATAL_ERROR "first run wrote no ${f}")
  endif()
endforeach()
file(READ ${work}/out/session.log log)
foreach(line "startup Orbiquad -> 0" "menu item added: Afficher QZV•Orbiquad (in QZVOutils)"
             "tool added: Outil Zivo & Voraved" "tool added: Outil Rectangles" "annotator added: QZVAnno"
             "shutdown Orbiquad -> 0")
  string(FIND "${log}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the log lacks '${line}':\n${log}")
  endif()
endforeach()
# Every cursor the session shows is one of the bundle's, by name.
string(REGEX MATCHALL "\ncursor [^\n]*" cursors "${log}")
if(NOT cursors)
  message(FATAL_ERROR "the session shows no cursor:\n${log}")
endif()
foreach(line ${cursors})
  if(NOT line MATCHES "^\ncursor [0-9]+ [a-z0-9-]+$")
    message(FATAL_ERROR "a cursor without its name:${line}")
  endif()
endforeach()
file(READ ${prefs} stored)
foreach(line "Precision = int:2" "EchelleNum = real:1" "NbPtsArrondiEdit = int:2" "PtFlEditX0 = real:18"
             "kADM_DPVisibleStr = bool:true" "OutilsGroupe = bool:false" "PositionPalette = point:874,323"
             "kADM_DPDockGroupStr = string:\"W\"" "kADM_DPDockCodeStr = int:7168")
  string(FIND "${stored}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the preference file lacks '${line}':\n${stored}")
  endif()
endforeach()
file(READ ${work}/out/session.json dump)
string(JSON layers GET "${dump}" layers)
string(FIND "${layers}" "\"Esquisse\"" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the dump lacks the layer Esquisse")
endif()
# The two circles drawn by centre and radius, with their re-editing tags.
foreach(text "\"centreh\" : \"200,00\"" "\"centrev\" : \"175,00\"" "\"rayon\" : \"50,00\"" "\"centreh\" : \"300,00\"")
  string(FIND "${layers}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the dump lacks ${text}:\n${layers}")
  endif()
endforeach()
# The two rectangles of the rectangle tool, finished and named, and the
# palette's clone of the second.
string(REGEX MATCHALL "\"name\" : \"Rectangle\"" rectangles "${layers}")
list(LENGTH rectangles count)
if(NOT count EQUAL 3)
  message(FATAL_ERROR "the dump holds ${count} rectangles, not 3:\n${layers}")
endif()
# The shapes the palette's values rebuilt, and the custom scale stored.
foreach(text "\"Rectangle arrondi\"" "\"Cercle 2\"" "\"Arc/Secteur 1\"" "\"Arc/Secteur 2\"" "\"Tangente 1\"")
  string(FIND "${layers}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the dump lacks ${text}")
  endif()
endforeach()
string(FIND "${stored}" "EchelleDenPerso = int:3" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the custom scale 2/3 was not stored:\n${stored}")
endif()

# Second run: the edited file is read, not replaced by defaults.
string(REPLACE "OutilsGroupe = bool:false" "OutilsGroupe = bool:true" stored "${stored}")
file(WRITE ${prefs} "${stored}")
execute_process(COMMAND ${DRAWHOST} run ${SCRIPT} --plugins ${PLUGINS} --log out/second.log
    --dump out/second.json --prefs ${prefs}
  WORKING_DIRECTORY ${work} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "second run: exit ${rc}: ${err}")
endif()
file(READ ${work}/out/second.log log)
string(FIND "${log}" "tool added: Outil Zivo & Voraved (group 2, toolset 2)" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the second run did not read OutilsGroupe back:\n${log}")
endif()
file(READ ${prefs} again)
string(FIND "${again}" "OutilsGroupe = bool:true" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the second run overwrote the stored value")
endif()
