# Runs examples/circles.txt through drawhost and checks what a user saw and
# what the document holds: the cursors and texts over the art, each circle
# named "Cercle 1" on the dedicated layer with its tags, the alert for the
# locked layer.
set(work ${WORK_DIR})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/out)
configure_file(${PREFS} ${work}/prefs.txt COPYONLY)
execute_process(COMMAND ${DRAWHOST} run ${SCRIPT} --plugins ${PLUGINS} --log out/circles.log
    --dump out/circles.json --prefs ${work}/prefs.txt
  WORKING_DIRECTORY ${work} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit ${rc}: ${err}")
endif()
file(READ ${work}/out/circles.log log)
# Each cursor named from the bundle's index: the centre to click, an anchor, a segment.
foreach(line "cursor 16002 circle-centre" "info: Clic sur le centre du cercle." "cursor 19000 anchor"
             "cursor 19001 on-segment"
             "alert(error): Impossible, calque verrouillé.")
  string(FIND "${log}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the log lacks '${line}':\n${log}")
  endif()
endforeach()
string(FIND "${log}" "(no resource)" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "a cursor the plug-in set is missing from its bundle:\n${log}")
endif()
file(READ ${work}/out/circles.json dump)
string(JSON layers GET "${dump}" layers)
string(JSON count LENGTH "${layers}")
set(found "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON title GET "${layers}" ${i} title)
  if(title STREQUAL "QZV•Vorn")
    string(JSON art GET "${layers}" ${i} art)
    set(found "${art}")
  endif()
endforeach()
if(found STREQUAL "")
  message(FATAL_ERROR "no layer QZV•Vorn in the dump")
endif()
string(JSON n LENGTH "${found}")
if(NOT n EQUAL 5)
  message(FATAL_ERROR "expected 5 circles on QZV•Vorn, found ${n}: ${found}")
endif()
# Centres and radii worked out from the script: (40,300) r 50; (400,300) r 49.61
# (47 is 3.3 steps of 14.173228, rounded to 3: 42.52); the corner (200,100) touching
# x = 260: r 60; the diameter from (300,400) to the corner (100,180); the
# circle after the layer is unlocked, (600,500) r 10.
set(expected "40,00 300,00 50,00" "400,00 300,00 42,52" "200,00 100,00 60,00" "200,00 290,00 148,66"
    "600,00 500,00 10,00")
math(EXPR lastArt "${n} - 1")
foreach(i RANGE ${lastArt})
  string(JSON name GET "${found}" ${i} name)
  if(NOT name STREQUAL "Cercle 1")
    message(FATAL_ERROR "art ${i} is named '${name}'")
  endif()
  string(JSON h GET "${found}" ${i} tags centreh)
  string(JSON v GET "${found}" ${i} tags centrev)
  string(JSON r GET "${found}" ${i} tags rayon)
  list(GET expected ${i} want)
  if(NOT "${h} ${v} ${r}" STREQUAL "${want}")
    message(FATAL_ERROR "circle ${i}: ${h} ${v} ${r}, expected ${want}")
  endif()
endforeach()
