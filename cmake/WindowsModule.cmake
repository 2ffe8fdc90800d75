# qzv_add_windows_module(<target> NAME <name> BUNDLE <bundle>)
#
# Makes <target> (a MODULE library built by the mingw-w64 toolchain) into
# the plug-in's Windows DLL, <name>.dll at the top of the build:
#   - the standard library and the toolchain's thread library linked in, so
#     the DLL needs only system DLLs;
#   - the resources of <bundle> (a bundle built on Linux from the same
#     sources, cmake/Bundle.cmake) compiled in by windres, with an empty
#     dialog template for each id of the DialogResourceId list in
#     resources/resource_ids.h (QZV_DIALOG_IDS).
set(QZV_WINDOWS_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

# The dialog resources the plug-in names, read from the header its code uses.
file(READ ${CMAKE_SOURCE_DIR}/resources/resource_ids.h qzv_ids_header)
string(REGEX MATCH "enum DialogResourceId {[^}]*}" qzv_dialog_enum "${qzv_ids_header}")
string(REGEX MATCHALL "= *[0-9]+" qzv_dialog_values "${qzv_dialog_enum}")
set(QZV_DIALOG_IDS "")
foreach(value ${qzv_dialog_values})
  string(REGEX REPLACE "[= ]" "" value "${value}")
  list(APPEND QZV_DIALOG_IDS ${value})
endforeach()
if(NOT QZV_DIALOG_IDS)
  message(FATAL_ERROR "resources/resource_ids.h: no DialogResourceId values found")
endif()

function(qzv_add_windows_module target)
  cmake_parse_arguments(W "" "NAME;BUNDLE" "" ${ARGN})
  if(NOT W_BUNDLE OR NOT EXISTS ${W_BUNDLE}/PiPL.rsrc)
    message(FATAL_ERROR "QZV_WINDOWS_BUNDLE must name a built bundle (scripts/build-windows.sh builds one): "
      "'${W_BUNDLE}'")
  endif()
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${W_NAME}
    PREFIX ""
    SUFFIX ".dll"
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  # -static: libstdc++, libgcc and the thread library all inside the DLL.
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--no-undefined)

  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${W_NAME}.rc)
  set(obj ${CMAKE_CURRENT_BINARY_DIR}/${W_NAME}_resources.o)
  add_custom_command(OUTPUT ${rc}
    COMMAND ${CMAKE_COMMAND} -DBUNDLE=${W_BUNDLE} -DOUTPUT=${rc} "-DDIALOGS=${QZV_DIALOG_IDS}"
      -P ${QZV_WINDOWS_CMAKE_DIR}/WindowsResources.cmake
    DEPENDS ${W_BUNDLE}/PiPL.rsrc ${W_BUNDLE}/resources.stamp ${QZV_WINDOWS_CMAKE_DIR}/WindowsResources.cmake
    COMMENT "Resource script of ${W_NAME}"
    VERBATIM)
  add_custom_command(OUTPUT ${obj}
    COMMAND ${CMAKE_RC_COMPILER} --input-format=rc --output-format=coff -i ${rc} -o ${obj}
    DEPENDS ${rc} ${W_BUNDLE}/PiPL.rsrc ${W_BUNDLE}/resources.stamp
    COMMENT "Resources of ${W_NAME}"
    VERBATIM)
  set_source_files_properties(${obj} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  target_sources(${target} PRIVATE ${obj})
endfunction()
