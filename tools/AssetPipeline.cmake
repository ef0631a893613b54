# Builds the game's pictures, fonts and sounds from the sources in art/ into the runnable
# tree's data/ (nothing generated is kept in the repository):
#   art/manifest.txt  pictures: one SVG source rendered to an exact name, format and size
#   art/fonts.txt     the bitmap fonts, baked from free TrueType faces
#   art/sounds/**.snd sound descriptions, synthesised to data/sounds/**.ogg
#   art/content.txt   every asset name the code uses; the content test checks them
set(ART_DIR ${CMAKE_SOURCE_DIR}/art)
set(ART_WORK ${CMAKE_BINARY_DIR}/art)
set(GAME_DATA ${AMP_GAME_DIR}/data)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${ART_DIR}/manifest.txt ${ART_DIR}/fonts.txt)
# The tools run at build time; under the sanitizer build their exit leak check is noise.
set(RUN_TOOL ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0)
set(asset_outputs)

include(${CMAKE_CURRENT_LIST_DIR}/ReadList.cmake)

# Pictures: <output below data/> <source below art/> <png|jpeg|bmp> <width> <height>
amp_read_list(${ART_DIR}/manifest.txt pictures)
foreach(entry IN LISTS pictures)
  string(REPLACE "|" ";" f "${entry}")
  list(LENGTH f n)
  if(NOT n EQUAL 5)
    message(FATAL_ERROR "art/manifest.txt: expected 5 fields in '${entry}'")
  endif()
  list(GET f 0 out)
  list(GET f 1 src)
  list(GET f 2 format)
  list(GET f 3 width)
  list(GET f 4 height)
  set(expected_ext "")
  if(format STREQUAL "png")
    set(expected_ext ".png")
  elseif(format STREQUAL "jpeg")
    set(expected_ext ".jpg")
  elseif(format STREQUAL "bmp")
    set(expected_ext ".bmp")
  else()
    message(FATAL_ERROR "art/manifest.txt: unknown format '${format}' for ${out}")
  endif()
  get_filename_component(ext ${out} LAST_EXT)
  if(NOT ext STREQUAL expected_ext)
    message(FATAL_ERROR "art/manifest.txt: ${out} should end with ${expected_ext} for format ${format}")
  endif()
  if(NOT EXISTS ${ART_DIR}/${src})
    message(FATAL_ERROR "art/manifest.txt: missing source art/${src}")
  endif()
  get_filename_component(out_dir ${GAME_DATA}/${out} DIRECTORY)
  if(format STREQUAL "png")
    add_custom_command(OUTPUT ${GAME_DATA}/${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
      COMMAND ${RSVG_CONVERT} -w ${width} -h ${height} -f png -o ${GAME_DATA}/${out} ${ART_DIR}/${src}
      DEPENDS ${ART_DIR}/${src}
      COMMENT "Rendering ${out}" VERBATIM)
  else()
    set(rendered ${ART_WORK}/${out}.png)
    get_filename_component(rendered_dir ${rendered} DIRECTORY)
    add_custom_command(OUTPUT ${GAME_DATA}/${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir} ${rendered_dir}
      COMMAND ${RSVG_CONVERT} -w ${width} -h ${height} -f png -o ${rendered} ${ART_DIR}/${src}
      COMMAND ${RUN_TOOL} $<TARGET_FILE:amp_imgconv> ${rendered} ${GAME_DATA}/${out}
      DEPENDS ${ART_DIR}/${src} amp_imgconv
      COMMENT "Rendering ${out}" VERBATIM)
  endif()
  list(APPEND asset_outputs ${GAME_DATA}/${out})
endforeach()

# Bitmap fonts: <name> <face file> <cell size> <glyph height> [fallback face]
amp_read_list(${ART_DIR}/fonts.txt fonts)
foreach(entry IN LISTS fonts)
  string(REPLACE "|" ";" f "${entry}")
  list(LENGTH f n)
  if(n LESS 4)
    message(FATAL_ERROR "art/fonts.txt: expected at least 4 fields in '${entry}'")
  endif()
  list(GET f 0 name)
  list(GET f 1 face)
  list(GET f 2 cell)
  list(GET f 3 glyph)
  set(fallback "")
  if(n GREATER 4)
    list(GET f 4 fallback)
  endif()
  set(png ${GAME_DATA}/bitmaps/${name}.png)
  set(dat ${GAME_DATA}/fonts/${name}.dds.dat)
  add_custom_command(OUTPUT ${png} ${dat}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DATA}/bitmaps ${GAME_DATA}/fonts
    COMMAND ${RUN_TOOL} $<TARGET_FILE:amp_fontbake> ${face} ${cell} ${glyph} ${png} ${dat} ${fallback}
    DEPENDS amp_fontbake ${ART_DIR}/fonts.txt
    COMMENT "Baking font ${name}" VERBATIM)
  list(APPEND asset_outputs ${png} ${dat})
endforeach()

# Sounds: art/sounds/<path>.snd becomes data/sounds/<path>.ogg.
file(GLOB_RECURSE sound_sources CONFIGURE_DEPENDS RELATIVE ${ART_DIR}/sounds ${ART_DIR}/sounds/*.snd)
foreach(rel IN LISTS sound_sources)
  string(REGEX REPLACE "\\.snd$" ".ogg" out ${rel})
  get_filename_component(out_dir ${GAME_DATA}/sounds/${out} DIRECTORY)
  add_custom_command(OUTPUT ${GAME_DATA}/sounds/${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND ${RUN_TOOL} $<TARGET_FILE:amp_synth> ${ART_DIR}/sounds/${rel} ${GAME_DATA}/sounds/${out}
    DEPENDS amp_synth ${ART_DIR}/sounds/${rel}
    COMMENT "Synthesising sounds/${out}" VERBATIM)
  list(APPEND asset_outputs ${GAME_DATA}/sounds/${out})
endforeach()

add_custom_target(game_assets ALL DEPENDS ${asset_outputs})
add_dependencies(game_data game_assets)

# The content test: every name in art/content.txt must be in the built data/.
add_test(NAME content_check
  COMMAND ${CMAKE_COMMAND} -DLIST=${ART_DIR}/content.txt -DGAME_DIR=${AMP_GAME_DIR}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/CheckContent.cmake)
set_tests_properties(content_check PROPERTIES LABELS headless)
