# The arguments the game formats each string-table key with, taken from the manifest's key lines
# ("key NAME SIGNATURE ..."), as a table for the string table's loader: a text that asks for other
# arguments than its key is given is refused when the table is read. Keys without arguments are
# left out (an unlisted key takes none).
set(BV_KEY_MANIFEST ${CMAKE_SOURCE_DIR}/content/manifest.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${BV_KEY_MANIFEST})
file(STRINGS ${BV_KEY_MANIFEST} bv_key_lines REGEX "^key ")
set(BV_KEY_ARGUMENT_ROWS "")
foreach(line IN LISTS bv_key_lines)
  set(name "")
  if(line MATCHES "^key \"([^\"]+)\" ([^ ]+)")
    set(name ${CMAKE_MATCH_1})
    set(signature ${CMAKE_MATCH_2})
  elseif(line MATCHES "^key ([^ ]+) ([^ ]+)")
    set(name ${CMAKE_MATCH_1})
    set(signature ${CMAKE_MATCH_2})
  endif()
  if(name AND NOT signature STREQUAL "-")
    string(APPEND BV_KEY_ARGUMENT_ROWS "    {\"${name}\", \"${signature}\"},\n")
  endif()
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/key_arguments.inc
  CONTENT "// Generated from content/manifest.txt by content/key_arguments.cmake.\n${BV_KEY_ARGUMENT_ROWS}"
  @ONLY)
target_include_directories(bv_assets PRIVATE ${CMAKE_BINARY_DIR}/generated)
