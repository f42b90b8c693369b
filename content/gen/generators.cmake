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
