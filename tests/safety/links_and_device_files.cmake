# Links are written through, never replaced; devices, FIFOs, sockets and
# folders are refused and left as they are.
include(${CMAKE_CURRENT_LIST_DIR}/drawhost_run.cmake)
set(prefs "drawhost-preferences 1\n[Q]\nA = int:1\nend\n")
file(WRITE ${WORK}/start.txt "start\nlayer L\npath 0 0 10 10\n")

# A preference file kept in a repository through a link: the target is
# rewritten (keeping its permissions), the link stays a link.
file(MAKE_DIRECTORY ${WORK}/repo)
file(WRITE ${WORK}/repo/prefs.txt "${prefs}")
sh("chmod 600 repo/prefs.txt && ln -s repo/prefs.txt prefs.txt && ln -s repo/drawing.svg out.svg")
drawhost_run(start.txt --plugins ${PLUGINS} --prefs prefs.txt --svg out.svg)
expect_rc(0 "linked files")
if(NOT IS_SYMLINK ${WORK}/prefs.txt OR NOT IS_SYMLINK ${WORK}/out.svg)
  message(FATAL_ERROR "a link was replaced by a file")
endif()
file(READ ${WORK}/repo/prefs.txt stored)
if(NOT stored MATCHES "\\[Q\\]\nA = int:1\n" OR NOT stored MATCHES "\\[QZVARC\\]")
  message(FATAL_ERROR "the link's target was not updated:\n${stored}")
endif()
if(NOT EXISTS ${WORK}/repo/drawing.svg)
  message(FATAL_ERROR "the SVG was not written through its link")
endif()
sh("test \"$(stat -c %a repo/prefs.txt)\" = 600")

# Files that are not regular as the preference file or as an output. The device node is
# one of our own (made when we have the right to), never the system's: were
# the refusal broken, the run would replace it.
sh("mkfifo fifo && mkdir folder")
set(cases "--prefs:fifo:a FIFO" "--svg:fifo:a FIFO" "--png:folder:a directory")
execute_process(COMMAND mknod null c 1 3 WORKING_DIRECTORY ${WORK} RESULT_VARIABLE no_device ERROR_QUIET)
if(no_device EQUAL 0)
  list(APPEND cases "--log:null:a character device" "--dump:null:a character device")
endif()
foreach(case ${cases})
  string(REPLACE ":" ";" case "${case}")
  list(GET case 0 option)
  list(GET case 1 file)
  list(GET case 2 kind)
  drawhost_run(start.txt --plugins ${PLUGINS} --prefs prefs.txt ${option} ${file})
  expect_rc(2 "${option} ${file}")
  expect_text("${option}: ${file} is ${kind}, not a regular file" "${option} ${file}")
endforeach()
sh("test -p fifo && test -d folder")
if(no_device EQUAL 0)
  sh("test -c null")
endif()

# A folder as the script: the reason is given.
drawhost_run(folder --plugins ${PLUGINS})
expect_rc(2 "a folder as the script")
expect_text("cannot read folder: it is a directory" "a folder as the script")
