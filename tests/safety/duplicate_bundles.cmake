# Bundles that are a second copy of a plug-in, and bundles that are not
# there at all: the first copy loads and starts once, every other is refused
# in one log line with its reason.
include(${CMAKE_CURRENT_LIST_DIR}/drawhost_run.cmake)
file(MAKE_DIRECTORY ${WORK}/plugins)
sh("cd plugins && cp -r ${PLUGINS}/Orbiquad A && cp -r A B-copy && mkdir C-same-module && cp A/PiPL.rsrc C-same-module/ && ln -s ../A/module.so C-same-module/module.so && ln -s A D-link && ln -s nowhere E-dangling && ln -s F-loop F-loop && cp -r A G-no-resources && rm -r G-no-resources/resources && echo notes > H-file")
file(WRITE ${WORK}/s.txt "start\n")
drawhost_run(s.txt --plugins plugins --prefs prefs.txt)
expect_rc(0 "bundles")
foreach(line "loaded A (TextFileFormat)"
             "bundle B-copy refused: the plug-in 'TextFileFormat' is already loaded from bundle A"
             "bundle C-same-module refused: its module is A's module (one file); A is loaded, this copy is not"
             "bundle D-link refused: its module is A's module (one file)"
             "bundle E-dangling refused: a symbolic link to nothing"
             "bundle F-loop refused: a loop of symbolic links"
             "bundle G-no-resources refused: the plug-in 'TextFileFormat' is already loaded from bundle A"
             "bundle H-file refused: not a bundle folder (it is a regular file)")
  expect_text("${line}" "bundles")
endforeach()
string(REGEX MATCHALL "startup [^ ]+ -> " starts "${OUT}")
if(NOT starts STREQUAL "startup A -> ")
  message(FATAL_ERROR "the plug-in was not started exactly once: ${starts}\n${OUT}")
endif()

# Alone, the bundle without resources loads, and what it misses is said.
sh("rm -rf plugins/A plugins/B-copy plugins/C-same-module plugins/D-link")
drawhost_run(s.txt --plugins plugins --prefs prefs.txt)
expect_text("bundle G-no-resources has no resources folder (No such file or directory)" "no resources")
expect_text("bundle G-no-resources: resource icons/16051_0.png refused: cannot read" "no resources")
