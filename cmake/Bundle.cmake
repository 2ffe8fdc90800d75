# qzv_add_bundle(<target> NAME <bundle> PIPL <source> RESOURCES <dir> [ART <dir>] [DESTINATION <plugins-dir>])
#
# Makes <target> (a MODULE library) into a plug-in bundle:
#   <plugins-dir>/<bundle>/module.so, PiPL.rsrc and resources/ (a copy of <dir>,
#   plus the images rendered from ART).
# The default plugins folder is the build's plugins/ folder, which drawhost
# reads unless told otherwise; test plug-ins go elsewhere.
#
# ART is a folder of SVG sources laid out as the bundle names its images:
#   pictures/<id>.svg -> resources/pictures/<id>.png
#   icons/<id>_<index>.svg -> resources/icons/<id>_<index>.png
#   cursors/<id>.svg -> resources/cursors/<id>.png, and the index
#                       resources/cursors/cursors.txt ("ID HOTX HOTY NAME")
# Each PNG is rendered by rsvg-convert at the width and height its source
# declares; a changed source is rendered again and the resources copied anew.
set(QZV_BUNDLE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(qzv_add_bundle target)
  cmake_parse_arguments(B "" "NAME;PIPL;RESOURCES;ART;DESTINATION" "" ${ARGN})
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

  set(rendered "")
  set(copy_rendered "")
  if(B_ART)
    qzv_render_art(${B_NAME} ${B_ART} ${B_RESOURCES} rendered copy_rendered ${dir}/resources)
  endif()
  add_custom_command(OUTPUT ${dir}/resources.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${dir}/resources
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${B_RESOURCES} ${dir}/resources
    ${copy_rendered}
    COMMAND ${CMAKE_COMMAND} -E touch ${dir}/resources.stamp
    DEPENDS ${res_files} ${rendered}
    COMMENT "Resources of ${B_NAME}")
  add_custom_target(${target}_bundle ALL DEPENDS ${dir}/PiPL.rsrc ${dir}/resources.stamp)
  add_dependencies(${target} ${target}_bundle)
endfunction()

# Adds the commands that render every source of <art> into a staging folder
# of the build; <rendered-var> gets the staged files, <copy-var> the commands
# that put them into <destination> (the bundle's resources folder). Only what
# today's sources give is staged: a deleted source leaves nothing behind.
function(qzv_render_art bundle art resources rendered_var copy_var destination)
  find_program(QZV_RSVG_CONVERT rsvg-convert)
  if(NOT QZV_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert not found: scripts/install-deps.sh installs it (Debian librsvg2-bin)")
  endif()
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${bundle}-art)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS RELATIVE ${art} ${art}/*.svg)
  list(SORT sources)
  set(rendered "")
  set(cursor_sources "")
  foreach(source ${sources})
    if(NOT source MATCHES "^(pictures/[0-9]+|icons/[0-9]+_[0-9]+|cursors/[0-9]+)\\.svg$")
      message(FATAL_ERROR "${art}/${source} is not named as the bundle's images are: "
        "pictures/<id>.svg, icons/<id>_<index>.svg or cursors/<id>.svg")
    endif()
    string(REGEX REPLACE "\\.svg$" ".png" png ${source})
    if(EXISTS ${resources}/${png})
      message(FATAL_ERROR "${resources}/${png} would hide the image rendered from ${art}/${source}: keep one of them")
    endif()
    get_filename_component(kind ${source} DIRECTORY)
    add_custom_command(OUTPUT ${stage}/${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/${kind}
      COMMAND ${QZV_RSVG_CONVERT} --format=png --output=${stage}/${png}.tmp ${art}/${source}
      COMMAND ${CMAKE_COMMAND} -E rename ${stage}/${png}.tmp ${stage}/${png}
      DEPENDS ${art}/${source}
      COMMENT "Rendering ${source} of ${bundle}"
      VERBATIM)
    list(APPEND rendered ${stage}/${png})
    if(kind STREQUAL "cursors")
      list(APPEND cursor_sources ${art}/${source})
    endif()
  endforeach()
  if(cursor_sources)
    add_custom_command(OUTPUT ${stage}/cursors/cursors.txt
      COMMAND ${CMAKE_COMMAND} -DOUTPUT=${stage}/cursors/cursors.txt "-DSOURCES=${cursor_sources}"
        -P ${QZV_BUNDLE_DIR}/CursorIndex.cmake
      DEPENDS ${cursor_sources} ${QZV_BUNDLE_DIR}/CursorIndex.cmake
      COMMENT "Cursor index of ${bundle}"
      VERBATIM)
    list(APPEND rendered ${stage}/cursors/cursors.txt)
  endif()
  set(copy "")
  foreach(kind pictures icons cursors)
    set(files ${rendered})
    list(FILTER files INCLUDE REGEX "/${kind}/[^/]+$")
    if(files)
      list(APPEND copy COMMAND ${CMAKE_COMMAND} -E make_directory ${destination}/${kind}
                       COMMAND ${CMAKE_COMMAND} -E copy ${files} ${destination}/${kind}/)
    endif()
  endforeach()
  set(${rendered_var} ${rendered} PARENT_SCOPE)
  set(${copy_var} ${copy} PARENT_SCOPE)
endfunction()
