# qzv_add_bundle(<target> NAME <bundle> PIPL <source> RESOURCES <dir> [DESTINATION <plugins-dir>])
#
# Makes <target> (a MODULE library) into a plug-in bundle:
#   <plugins-dir>/<bundle>/module.so, PiPL.rsrc and resources/ (a copy of <dir>).
# The default plugins folder is the build's plugins/ folder, which drawhost
# reads unless told otherwise; test plug-ins go elsewhere.
function(qzv_add_bundle target)
  cmake_parse_arguments(B "" "NAME;PIPL;RESOURCES;DESTINATION" "" ${ARGN})
  if(NOT B_DESTINATION)
    set(B_DESTINATION ${CMAKE_BINARY_DIR}/plugins)
  endif()
  set(dir ${B_DESTINATION}/${B_NAME})
  set_target_properties(${target} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${dir}
    OUTPUT_NAME module
    PREFIX ""
    SUFFIX ".so")
  # A module that can really be unloaded: no unique symbols pin it in memory.
  target_compile_options(${target} PRIVATE -fno-gnu-unique)
  target_link_options(${target} PRIVATE -Wl,--no-undefined)
  add_custom_command(OUTPUT ${dir}/PiPL.rsrc
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND piplc ${B_PIPL} ${dir}/PiPL.rsrc
    DEPENDS piplc ${B_PIPL}
    COMMENT "Property list of ${B_NAME}")
  file(GLOB_RECURSE res_files CONFIGURE_DEPENDS ${B_RESOURCES}/*)
  add_custom_command(OUTPUT ${dir}/resources.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${dir}/resources
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${B_RESOURCES} ${dir}/resources
    COMMAND ${CMAKE_COMMAND} -E touch ${dir}/resources.stamp
    DEPENDS ${res_files}
    COMMENT "Resources of ${B_NAME}")
  add_custom_target(${target}_bundle ALL DEPENDS ${dir}/PiPL.rsrc ${dir}/resources.stamp)
  add_dependencies(${target} ${target}_bundle)
endfunction()
