# Runs scripts/build-windows.sh where the mingw-w64 toolchain cannot be
# found (a PATH with the shell and the script's own tools only) and expects
# one clear line and exit code 1 before anything is built.
set(bin ${WORK}/bin)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${bin})
foreach(tool bash dirname)
  find_program(path ${tool} NO_CACHE REQUIRED)
  file(CREATE_LINK ${path} ${bin}/${tool} SYMBOLIC)
  unset(path)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E env PATH=${bin} ${bin}/bash ${SCRIPT}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "exit ${rc}, expected 1\nstdout:\n${out}\nstderr:\n${err}")
endif()
string(REGEX MATCHALL "\n" newlines "${err}")
list(LENGTH newlines lines)
if(NOT out STREQUAL "" OR NOT lines EQUAL 1
   OR NOT err MATCHES "^build-windows: i686-w64-mingw32-g\\+\\+-posix not found: .*scripts/install-deps.sh installs g\\+\\+-mingw-w64-i686")
  message(FATAL_ERROR "expected one line naming the missing compiler and the packages\nstdout:\n${out}\nstderr:\n${err}")
endif()
