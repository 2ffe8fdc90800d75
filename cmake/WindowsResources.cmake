# cmake -DBUNDLE=<bundle> -DOUTPUT=<file.rc> "-DDIALOGS=<id;...>" -P WindowsResources.cmake
#
# Writes the resource script of the Windows module from a plug-in bundle, so
# that the module carries what the bundle carries and nothing is listed
# twice:
#   <bundle>/PiPL.rsrc                   -> "PIPL" 16000, the same bytes
#   <bundle>/resources/<kind>/<name>.<ext> -> type <KIND>, name <name> (a
#                                           number when <name> is all digits)
#   each id of DIALOGS                   -> an empty dialog template (the
#                                           dialogs are built item by item in code)
# All in the neutral language, so the host finds them whatever the system's.
cmake_policy(VERSION 3.25)
if(NOT EXISTS "${BUNDLE}/PiPL.rsrc" OR NOT IS_DIRECTORY "${BUNDLE}/resources")
  message(FATAL_ERROR "${BUNDLE} is not a built plug-in bundle (PiPL.rsrc and resources/)")
endif()

function(rc_path var path)
  if(path MATCHES "[\"\\\\]")
    message(FATAL_ERROR "${path}: a resource path may not hold a quote or a backslash")
  endif()
  set(${var} "\"${path}\"" PARENT_SCOPE)
endfunction()

rc_path(pipl "${BUNDLE}/PiPL.rsrc")
# Each resource comes after its own LANGUAGE statement: windres joins two
# strings that follow each other, so a quoted name must not come right after
# the previous line's file name.
set(content "// Generated from ${BUNDLE}; do not edit.\n#pragma code_page(65001)\n\nLANGUAGE 0, 0\n16000 PIPL ${pipl}\n")

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${BUNDLE}/resources" "${BUNDLE}/resources/*")
list(SORT files)
set(seen "")
foreach(file ${files})
  if(NOT file MATCHES "^([A-Za-z]+)/([A-Za-z0-9_]+)\\.[A-Za-z0-9]+$")
    message(FATAL_ERROR "${BUNDLE}/resources/${file}: the module carries only <kind>/<name>.<ext> with plain names")
  endif()
  string(TOUPPER "${CMAKE_MATCH_1}" type)
  set(name "${CMAKE_MATCH_2}")
  if(name MATCHES "^[0-9]+$")
    if(name GREATER 65535)
      message(FATAL_ERROR "${BUNDLE}/resources/${file}: a resource number is at most 65535")
    endif()
    math(EXPR name "${name}")   # "0128" and "128" are one resource
  else()
    string(TOUPPER "${name}" name)
    set(name "\"${name}\"")
  endif()
  if("${type} ${name}" IN_LIST seen)
    message(FATAL_ERROR "${BUNDLE}/resources/${file}: another file of ${type} is also named ${name}")
  endif()
  list(APPEND seen "${type} ${name}")
  rc_path(path "${BUNDLE}/resources/${file}")
  string(APPEND content "LANGUAGE 0, 0\n${name} ${type} ${path}\n")
endforeach()

string(APPEND content "\nLANGUAGE 0, 0\n")
foreach(id ${DIALOGS})
  string(APPEND content "${id} DIALOGEX 0, 0, 0, 0\nBEGIN\nEND\n")
endforeach()

# Written whole, and only when it changes, so the resources are not compiled again for nothing.
file(WRITE "${OUTPUT}.tmp" "${content}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
