# Runs drawhost on a script and checks its exit code and what it printed.
execute_process(COMMAND ${DRAWHOST} run ${SCRIPT} --plugins ${PLUGINS}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL ${EXPECT_RC})
  message(FATAL_ERROR "exit ${rc}, expected ${EXPECT_RC}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED EXPECT_TEXT AND NOT "${out}${err}" MATCHES "${EXPECT_TEXT}")
  message(FATAL_ERROR "output lacks '${EXPECT_TEXT}'\nstdout:\n${out}\nstderr:\n${err}")
endif()
