# People's portraits: every line of art/portraits.txt is one person, drawn in four moods by
# amp_portraitgen as SVG, then rendered like any other picture to
#   data/bitmaps/<gender>_portraits/<name>/<name>_<mood>.jpg   (128 x 128)
# The portrait database lists those folders; the renderer finds the pictures by file name.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ART_DIR}/portraits.txt)
add_executable(amp_portraitgen portraitgen/PortraitGen.cpp)

set(portrait_outputs)
set(portrait_moods _vsad _sad _neutral _happy)

# Draws one face of a list file (amp_portraitgen writes an SVG for every mood) and renders
# the moods asked for to <out_dir>/<name>_<mood>.jpg at size x size; the pictures are
# appended to the list named by out_var.
function(amp_render_face list_file name svg_dir out_dir size label out_var)
  set(svgs)
  foreach(mood IN LISTS portrait_moods)
    list(APPEND svgs ${svg_dir}/${name}${mood}.svg)
  endforeach()
  add_custom_command(OUTPUT ${svgs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${svg_dir}
    COMMAND ${RUN_TOOL} $<TARGET_FILE:amp_portraitgen> ${list_file} ${name} ${svg_dir}
    DEPENDS amp_portraitgen ${list_file}
    COMMENT "Drawing ${label} ${name}" VERBATIM)
  set(jpgs ${${out_var}})
  foreach(mood IN LISTS ARGN)
    set(svg ${svg_dir}/${name}${mood}.svg)
    set(png ${svg_dir}/${name}${mood}.png)
    set(jpg ${out_dir}/${name}${mood}.jpg)
    add_custom_command(OUTPUT ${jpg}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -f png -o ${png} ${svg}
      COMMAND ${RUN_TOOL} $<TARGET_FILE:amp_imgconv> ${png} ${jpg}
      DEPENDS ${svg} amp_imgconv
      COMMENT "Rendering ${name}${mood}.jpg" VERBATIM)
    list(APPEND jpgs ${jpg})
  endforeach()
  set(${out_var} ${jpgs} PARENT_SCOPE)
endfunction()

amp_read_list(${ART_DIR}/portraits.txt people)
foreach(entry IN LISTS people)
  string(REPLACE "|" ";" f "${entry}")
  list(GET f 0 name)
  list(GET f 1 gender)
  if(NOT gender STREQUAL "male" AND NOT gender STREQUAL "female")
    message(FATAL_ERROR "art/portraits.txt: gender of ${name} must be male or female")
  endif()
  set(svg_dir ${ART_WORK}/portraits/${name})
  set(out_dir ${GAME_DATA}/bitmaps/${gender}_portraits/${name})
  amp_render_face(${ART_DIR}/portraits.txt ${name} ${svg_dir} ${out_dir} 128 "portraits of"
                  portrait_outputs ${portrait_moods})
endforeach()

add_custom_target(game_portraits ALL DEPENDS ${portrait_outputs})
add_dependencies(game_data game_portraits)

# The player's avatars: every line of art/avatars.txt is drawn like a portrait and the moods
# its last column names are rendered to
#   data/bitmaps/avatars/<name>/<name>_<mood>.jpg   (256 x 256)
# The avatar chooser lists those folders; each picture is one variant.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ART_DIR}/avatars.txt)
set(avatar_outputs)
amp_read_list(${ART_DIR}/avatars.txt avatars)
foreach(entry IN LISTS avatars)
  string(REPLACE "|" ";" f "${entry}")
  list(LENGTH f n)
  if(NOT n EQUAL 8)
    message(FATAL_ERROR "art/avatars.txt: expected 8 fields in '${entry}'")
  endif()
  list(GET f 0 name)
  list(GET f 7 moods)
  string(SUBSTRING ${name} 0 1 initial)
  if(NOT initial STREQUAL "m" AND NOT initial STREQUAL "f")
    message(FATAL_ERROR "art/avatars.txt: ${name} must begin with m or f")
  endif()
  set(svg_dir ${ART_WORK}/avatars/${name})
  set(out_dir ${GAME_DATA}/bitmaps/avatars/${name})
  string(REPLACE "," ";" moods "${moods}")
  set(suffixed)
  foreach(mood IN LISTS moods)
    if(NOT "_${mood}" IN_LIST portrait_moods)
      message(FATAL_ERROR "art/avatars.txt: unknown mood ${mood} of ${name}")
    endif()
    list(APPEND suffixed _${mood})
  endforeach()
  amp_render_face(${ART_DIR}/avatars.txt ${name} ${svg_dir} ${out_dir} 256 "the avatar"
                  avatar_outputs ${suffixed})
endforeach()

add_custom_target(game_avatars ALL DEPENDS ${avatar_outputs})
add_dependencies(game_data game_avatars)
