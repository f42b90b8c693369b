# The content generators: small programs that draw, rasterise and synthesise the game's assets.
# They link cairo, FreeType, libpng and libvorbis; the game library links none of them.
# Each group is its own program, so editing one group's source regenerates only that group.

# The generators are build tools: keep them fast even in a sanitizer build.
get_property(bv_gen_opts DIRECTORY PROPERTY COMPILE_OPTIONS)
list(FILTER bv_gen_opts EXCLUDE REGEX "sanitize")
set_property(DIRECTORY PROPERTY COMPILE_OPTIONS "${bv_gen_opts}")
get_property(bv_gen_links DIRECTORY PROPERTY LINK_OPTIONS)
list(FILTER bv_gen_links EXCLUDE REGEX "sanitize")
set_property(DIRECTORY PROPERTY LINK_OPTIONS "${bv_gen_links}")

set(BV_GEN_DIR ${CMAKE_CURRENT_SOURCE_DIR}/gen)

add_library(bvgen_core STATIC ${BV_GEN_DIR}/out.cpp)
target_compile_options(bvgen_core PUBLIC ${BV_WARNINGS} -O2)
target_include_directories(bvgen_core PUBLIC ${BV_GEN_DIR} ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(bvgen_core PUBLIC PNG::PNG)
set_target_properties(bvgen_core PROPERTIES ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/lib)

# bv_generator(NAME SOURCES... LIBS ...): one generator program in build/tools/.
function(bv_generator name)
  cmake_parse_arguments(G "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${G_SOURCES})
  target_link_libraries(${name} PRIVATE bvgen_core ${G_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endfunction()

# bv_generate(STAMP PROGRAM ARGS... OUTPUTS files...): runs a generator into the content folder
# when the program changed; the stamp marks a finished run.
function(bv_generate stamp program)
  cmake_parse_arguments(G "" "" "ARGS;OUTPUTS" ${ARGN})
  set(stampFile ${BV_CONTENT_OUT}/${stamp}.stamp)
  add_custom_command(
    OUTPUT ${stampFile} ${G_OUTPUTS}
    COMMAND ${program} ${BV_CONTENT_OUT} ${G_ARGS}
    COMMAND ${CMAKE_COMMAND} -E touch ${stampFile}
    DEPENDS ${program}
    COMMENT "Generating ${stamp}")
  set(BV_CONTENT_STAMPS ${BV_CONTENT_STAMPS} ${stampFile} PARENT_SCOPE)
endfunction()

# Fonts
bv_generator(bvgen_fonts SOURCES ${BV_GEN_DIR}/fonts.cpp LIBS Freetype::Freetype)
bv_generate(fonts bvgen_fonts OUTPUTS ${BV_FONT_FILES})
list(APPEND BV_BLOB_FILES ${BV_FONT_FILES})

# Drawing: cairo (with its FreeType text) over the shared helpers and the town art.
add_library(bvgen_art STATIC ${BV_GEN_DIR}/paint.cpp ${BV_GEN_DIR}/house_art.cpp ${BV_GEN_DIR}/nature_art.cpp)
target_link_libraries(bvgen_art PUBLIC bvgen_core PkgConfig::CAIRO Freetype::Freetype)
set_target_properties(bvgen_art PROPERTIES ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/lib)

bv_generator(bvgen_ui LIBS bvgen_art SOURCES ${BV_GEN_DIR}/ui_main.cpp ${BV_GEN_DIR}/icons_a.cpp
  ${BV_GEN_DIR}/icons_b.cpp ${BV_GEN_DIR}/icon_shapes.cpp ${BV_GEN_DIR}/ui_pieces.cpp ${BV_GEN_DIR}/logos.cpp ${BV_GEN_DIR}/small_sets.cpp ${BV_GEN_DIR}/backgrounds.cpp
  ${BV_GEN_DIR}/scenes.cpp)
bv_generate(ui bvgen_ui OUTPUTS ${BV_UI_SET_FILES})
list(APPEND BV_BLOB_FILES ${BV_UI_SET_FILES})

bv_generator(bvgen_people LIBS bvgen_art SOURCES ${BV_GEN_DIR}/portraits.cpp ${BV_GEN_DIR}/portrait_hair.cpp)
bv_generate(people bvgen_people OUTPUTS ${BV_PEOPLE_SET_FILES})
list(APPEND BV_BLOB_FILES ${BV_PEOPLE_SET_FILES})

bv_generator(bvgen_town LIBS bvgen_art SOURCES ${BV_GEN_DIR}/town_main.cpp ${BV_GEN_DIR}/houses.cpp
  ${BV_GEN_DIR}/objects_nature.cpp ${BV_GEN_DIR}/objects_street.cpp ${BV_GEN_DIR}/objects_roads.cpp)
bv_generate(town bvgen_town ARGS ${BV_GAME_DIR} OUTPUTS ${BV_TOWN_SET_FILES})
list(APPEND BV_BLOB_FILES ${BV_TOWN_SET_FILES})

# Sound: synthesis, and Ogg Vorbis encoding for the music (and the one Ogg effect).
pkg_check_modules(BV_VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
add_library(bvgen_sound STATIC ${BV_GEN_DIR}/synth.cpp ${BV_GEN_DIR}/ogg.cpp)
target_link_libraries(bvgen_sound PUBLIC bvgen_core PkgConfig::VORBIS PkgConfig::BV_VORBISFILE)
set_target_properties(bvgen_sound PROPERTIES ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/lib)

bv_generator(bvgen_sfx LIBS bvgen_sound SOURCES ${BV_GEN_DIR}/sfx.cpp)
bv_generate(effects bvgen_sfx OUTPUTS ${BV_EFFECT_FILES})
list(APPEND BV_BLOB_FILES ${BV_EFFECT_FILES})

bv_generator(bvgen_music LIBS bvgen_sound SOURCES ${BV_GEN_DIR}/music.cpp ${BV_GEN_DIR}/music_main.cpp)
bv_generate(music_a bvgen_music ARGS 0 8 OUTPUTS ${BV_MUSIC_FILES_A})
bv_generate(music_b bvgen_music ARGS 9 16 OUTPUTS ${BV_MUSIC_FILES_B})
list(APPEND BV_BLOB_FILES ${BV_MUSIC_FILES_A} ${BV_MUSIC_FILES_B})

# The desktop icons of the installed game and editor (not part of the archive).
set(BV_ICON_FILES)
foreach(size 48 64 128 256)
  list(APPEND BV_ICON_FILES ${BV_CONTENT_OUT}/brickvale2-${size}.png ${BV_CONTENT_OUT}/brickvale2-editor-${size}.png)
endforeach()
bv_generator(bvgen_icons LIBS bvgen_art SOURCES ${BV_GEN_DIR}/app_icons.cpp)
bv_generate(icons bvgen_icons OUTPUTS ${BV_ICON_FILES})
