# The program's layers depend one way: calc (standard C++ only) <- ui (the
# windows) <- app (start-up, single instances, error display). Each layer's
# headers are included by folder ("calc/design.h", "ui/main/form1.h"), from an
# include root of its own that holds that folder alone: a target sees the
# headers of the layers it links and nothing else, so an include against the
# direction (a window including "app/errors.h") does not compile.
#
#   quill_layer_includes(TARGET FOLDER)
#       makes src/FOLDER includable as "FOLDER/..." for TARGET and whatever
#       links it
function(quill_layer_includes target folder)
  set(root ${CMAKE_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
