# The shipped "maps" folder: career and tycoon towns, their background pictures and the scenarios,
# written through the game's own map and scenario writers (so they always have the current
# format) from the house and object pictures the town generator made.
set(BV_MAPS_SRC ${CMAKE_CURRENT_SOURCE_DIR}/maps)
add_executable(bvmaps
  ${BV_MAPS_SRC}/maps_main.cpp ${BV_MAPS_SRC}/town.cpp ${BV_MAPS_SRC}/backdrop.cpp
  ${BV_MAPS_SRC}/career_towns.cpp ${BV_MAPS_SRC}/hill_towns.cpp ${BV_MAPS_SRC}/tycoon_towns.cpp
  ${BV_MAPS_SRC}/scenarios.cpp)
target_include_directories(bvmaps PRIVATE ${BV_MAPS_SRC})
target_link_libraries(bvmaps PRIVATE bv_world bvgen_art)
set_target_properties(bvmaps PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
# The game library is built with the sanitizers in a sanitizer build; the program linking it must
# be too (the content folder drops them for its own generators).
if(BV_FUZZ)
  target_link_options(bvmaps PRIVATE -fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow)
elseif(BV_SANITIZE)
  target_link_options(bvmaps PRIVATE -fsanitize=address,undefined)
endif()

set(BV_MAPS_STAMP ${BV_CONTENT_OUT}/maps.stamp)
add_custom_command(
  OUTPUT ${BV_MAPS_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:bvmaps> ${BV_CONTENT_OUT} ${BV_GAME_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${BV_MAPS_STAMP}
  DEPENDS bvmaps ${BV_CONTENT_OUT}/town.stamp
  COMMENT "Generating the maps folder")
add_custom_target(game_maps ALL DEPENDS ${BV_MAPS_STAMP})
add_dependencies(game_content game_maps)
