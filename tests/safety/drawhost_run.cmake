# Helpers of the file-safety scenarios: each runs the drawhost binary in a
# scratch folder of its own (WORK, emptied first) and checks what it wrote.
# Expects DRAWHOST, PLUGINS and WORK to be defined.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs `drawhost run ARGS...` in WORK (a 20 s guard against a hang); sets
# RC and OUT (stdout and stderr together) in the caller.
function(drawhost_run)
  execute_process(COMMAND ${DRAWHOST} run ${ARGN} WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 20)
  set(RC "${rc}" PARENT_SCOPE)
  set(OUT "${out}${err}" PARENT_SCOPE)
endfunction()

function(expect_rc expected what)
  if(NOT "${RC}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: exit ${RC}, expected ${expected}\n${OUT}")
  endif()
endfunction()

function(expect_text text what)
  string(FIND "${OUT}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${what}: the output lacks '${text}'\n${OUT}")
  endif()
endfunction()

# The file holds exactly `content`.
function(expect_file path content what)
  if(NOT EXISTS ${WORK}/${path})
    message(FATAL_ERROR "${what}: ${path} is gone")
  endif()
  file(READ ${WORK}/${path} got)
  if(NOT got STREQUAL content)
    message(FATAL_ERROR "${what}: ${path} changed:\n${got}")
  endif()
endfunction()

function(expect_missing path what)
  if(EXISTS ${WORK}/${path})
    message(FATAL_ERROR "${what}: ${path} was written")
  endif()
endfunction()

# Runs a shell command in WORK (links, FIFOs).
function(sh command)
  execute_process(COMMAND sh -c "${command}" WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not prepare: ${command}")
  endif()
endfunction()
