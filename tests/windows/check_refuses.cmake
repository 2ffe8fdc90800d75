# Runs the checker on a module against a copy of the bundle spoilt as CHANGE
# says, and expects it to fail with EXPECT_TEXT in what it prints:
#   property-list   one byte of PiPL.rsrc changed
#   extra-strings   a string list the module does not carry (strings/29999.txt)
#   missing-picture one picture removed from the bundle, so the module's copy is a stray
#   truncated       the module cut to its first 4 KiB
#   not-a-module    the module replaced by a text file
# The copies live in WORK, a folder of the build.
file(REMOVE_RECURSE ${WORK})
file(COPY ${BUNDLE}/ DESTINATION ${WORK}/bundle)
set(module ${MODULE})
if(CHANGE STREQUAL "property-list")
  # The last byte, the zero padding of the plug-in's name, becomes 1: the
  # same size, one byte apart.
  file(SIZE ${WORK}/bundle/PiPL.rsrc size)
  math(EXPR last "${size} - 1")
  execute_process(COMMAND sh -c "printf '\\001' | dd of=${WORK}/bundle/PiPL.rsrc bs=1 seek=${last} conv=notrunc 2>/dev/null"
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot change ${WORK}/bundle/PiPL.rsrc")
  endif()
elseif(CHANGE STREQUAL "extra-strings")
  file(WRITE ${WORK}/bundle/resources/strings/29999.txt "Une liste de plus\n")
elseif(CHANGE STREQUAL "missing-picture")
  file(GLOB pictures ${WORK}/bundle/resources/pictures/*.png)
  list(GET pictures 0 victim)
  file(REMOVE ${victim})
elseif(CHANGE STREQUAL "truncated")
  execute_process(COMMAND head -c 4096 ${MODULE} OUTPUT_FILE ${WORK}/truncated.dll)
  set(module ${WORK}/truncated.dll)
elseif(CHANGE STREQUAL "not-a-module")
  file(WRITE ${WORK}/text.dll "EXPORTS\n    PluginMain\n")
  set(module ${WORK}/text.dll)
elseif(NOT CHANGE STREQUAL "none")
  message(FATAL_ERROR "unknown CHANGE ${CHANGE}")
endif()

execute_process(COMMAND ${DLLCHECK} ${module} ${WORK}/bundle ${DIALOGS}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "the checker exited with ${rc}, expected 1\n${out}${err}")
endif()
if(NOT "${out}" MATCHES "${EXPECT_TEXT}")
  message(FATAL_ERROR "the checker's report lacks '${EXPECT_TEXT}':\n${out}${err}")
endif()
