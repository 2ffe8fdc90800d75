# Paths that lead to one file, however they are spelled: the session is
# refused at once with one line naming both, and nothing is written.
include(${CMAKE_CURRENT_LIST_DIR}/drawhost_run.cmake)
set(prefs "drawhost-preferences 1\n[Q]\nA = int:1\nend\n")
set(script "start\nlayer L\npath 0 0 10 10\n")
file(WRITE ${WORK}/prefs.txt "${prefs}")
file(WRITE ${WORK}/script.txt "${script}")
file(MAKE_DIRECTORY ${WORK}/sub)

drawhost_run(script.txt --plugins ${PLUGINS} --log prefs.txt --prefs prefs.txt)
expect_rc(2 "--log = --prefs")
expect_text("--log and --prefs name the same file" "--log = --prefs")
expect_file(prefs.txt "${prefs}" "--log = --prefs")

# Another spelling of the script's path.
drawhost_run(script.txt --plugins ${PLUGINS} --svg sub/../script.txt --prefs prefs.txt)
expect_rc(2 "--svg = the script")
expect_text("the script and --svg name the same file" "--svg = the script")
expect_file(script.txt "${script}" "--svg = the script")

# Two outputs, one through a link to the other (neither exists yet).
sh("ln -s out.png alias.json")
drawhost_run(script.txt --plugins ${PLUGINS} --png out.png --dump alias.json --prefs prefs.txt)
expect_rc(2 "--png = --dump")
if(NOT OUT MATCHES "(--png and --dump|--dump and --png) name the same file")
  message(FATAL_ERROR "--png = --dump: no refusal naming both\n${OUT}")
endif()
expect_missing(out.png "--png = --dump")

# A hard link is one file under two names.
sh("ln prefs.txt hard.txt")
drawhost_run(script.txt --plugins ${PLUGINS} --dump hard.txt --prefs prefs.txt)
expect_rc(2 "--dump = a hard link of --prefs")
expect_file(prefs.txt "${prefs}" "--dump = a hard link of --prefs")

# The default preference file is protected as well as one named by --prefs.
file(MAKE_DIRECTORY ${WORK}/config/drawhost)
file(WRITE ${WORK}/config/drawhost/preferences.txt "${prefs}")
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
drawhost_run(script.txt --plugins ${PLUGINS} --log config/drawhost/preferences.txt)
expect_rc(2 "--log = the default preference file")
expect_text("--log and the preference file name the same file" "--log = the default preference file")
expect_file(config/drawhost/preferences.txt "${prefs}" "--log = the default preference file")

# Empty names are refused alike.
# (Called directly: a function's arguments drop an empty one.)
foreach(option --log --dump --svg --png --prefs)
  execute_process(COMMAND ${DRAWHOST} run script.txt ${option} "" WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE out ERROR_VARIABLE OUT RESULT_VARIABLE RC TIMEOUT 20)
  expect_rc(2 "${option} \"\"")
  expect_text("${option} needs a file name" "${option} \"\"")
endforeach()

# A snapshot during the session may not replace one of the session's files either.
file(WRITE ${WORK}/snap.txt "start\ntoolbox-snapshot prefs.txt\n")
drawhost_run(snap.txt --plugins ${PLUGINS} --prefs prefs.txt)
expect_rc(2 "a snapshot over --prefs")
expect_text("snap.txt:2: cannot write prefs.txt: it is the --prefs file of this session" "a snapshot over --prefs")
expect_file(prefs.txt "${prefs}" "a snapshot over --prefs")
