# A run that fails writes no output and no preference; its log is written,
# with the reason. Each reason is the real one.
include(${CMAKE_CURRENT_LIST_DIR}/drawhost_run.cmake)
set(prefs "drawhost-preferences 1\n[Q]\nA = int:1\nend\n")
file(WRITE ${WORK}/prefs.txt "${prefs}")

# The script ends while the about box waits for its OK.
file(WRITE ${WORK}/open.txt "start\nlayer L\npath 0 0 10 10\nabout\n")
drawhost_run(open.txt --plugins ${PLUGINS} --prefs prefs.txt --svg out.svg --png out.png --dump out.json --log log.txt)
expect_rc(2 "a modal dialog left open")
expect_text("the script ended while the modal dialog 'About Dialog' was open" "a modal dialog left open")
foreach(f out.svg out.png out.json)
  expect_missing(${f} "a modal dialog left open")
endforeach()
expect_file(prefs.txt "${prefs}" "a modal dialog left open")
file(READ ${WORK}/log.txt log)
string(FIND "${log}" "the run failed: no output and no preference was written" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the log does not say the run failed:\n${log}")
endif()

# While the about box is open, a tool and a click do not reach the tools.
file(WRITE ${WORK}/under.txt "start\nabout\ntool \"Outil Rectangles\"\n")
drawhost_run(under.txt --plugins ${PLUGINS} --prefs prefs.txt)
expect_rc(2 "a tool under a modal dialog")
expect_text("under.txt:3: 'tool' while a modal dialog is open: only the dialog takes input" "a tool under a modal dialog")

foreach(case "down 1 2;'down' before start: no plug-in is running to take it"
             "click 1 2;'click' before start: no plug-in is running to take it"
             "start\nmove 1e-400 5;'1e-400' is too close to zero to be represented"
             "start\nmove 1e400 5;'1e400' is too large to be represented"
             "alloc-fail 2147483648;'2147483648' is out of range")
  list(GET case 0 lines)
  list(GET case 1 why)
  file(WRITE ${WORK}/bad.txt "${lines}\n")
  drawhost_run(bad.txt --plugins ${PLUGINS} --prefs prefs.txt --svg out.svg)
  expect_rc(2 "${lines}")
  expect_text("${why}" "${lines}")
  expect_missing(out.svg "${lines}")
endforeach()
expect_file(prefs.txt "${prefs}" "failed runs")
