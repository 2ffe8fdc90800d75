# Runs the example of every shape through drawhost: each mode of both tools
# leaves its shape, named after its mode; the pictures of the feedback are
# written and the log holds the read-outs they show, in centimetres at 1/100.
set(work ${WORK_DIR})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/out)
execute_process(COMMAND ${DRAWHOST} run ${SCRIPT} --plugins ${PLUGINS} --log out/shapes.log
    --dump out/shapes.json --svg out/shapes.svg --prefs out/shapes-preferences.txt
  WORKING_DIRECTORY ${work} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit ${rc}: ${err}")
endif()
foreach(f feedback-ring.png feedback-guide.png feedback-circle.png feedback-rectangle.png)
  if(NOT EXISTS ${work}/out/${f})
    message(FATAL_ERROR "the session wrote no ${f}")
  endif()
endforeach()

# Each name, as often as the script draws it (in paint order, groups apart).
file(READ ${work}/out/shapes.json dump)
foreach(pair "Cercle 1=2" "Cercle 2=1" "Cercle 3=1" "Arc/Secteur 1=1" "Arc/Secteur 2=1" "Arc/Secteur 3=1"
             "Tangente 1=1" "Tangente 2=1" "Tangente 3=1" "Rectangle=3" "Rectangle arrondi=5"
             "Ligne brisée=1" "Segment=2")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 expected)
  string(REGEX MATCHALL "\"kind\": \"path\",[ \n]*\"name\": \"${name}\"," found "${dump}")
  list(LENGTH found count)
  if(NOT count EQUAL expected)
    message(FATAL_ERROR "${count} paths named ${name}, not ${expected}")
  endif()
endforeach()

# The read-outs the pictures show, and the ring's label.
file(READ ${work}/out/shapes.log log)
foreach(text "\"Point d'ancrage\"" "\"R=127,00 cm\"" "\"A=50670,75 cm2\"" "\"L=+352,78 cm\"" "\"l=+246,94 cm\""
             "\"P=1199,44 cm\"")
  string(FIND "${log}" "overlay QZVAnno: text " at)
  if(at GREATER -1)
    string(FIND "${log}" "${text}" at)
  endif()
  if(at EQUAL -1)
    message(FATAL_ERROR "the log lacks the read-out ${text}:\n${log}")
  endif()
endforeach()
