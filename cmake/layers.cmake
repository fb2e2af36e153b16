# kolvar_layer(NAME [BELOW...]): the library kolvar_NAME from src/NAME/*.cpp,
# linked to the layers BELOW it (and so to every layer under those).
#
# Every layer includes headers as "layer/file.h" from one root. To keep that
# and still refuse an include that points up the stack, each layer gets an
# include root of its own in the build tree holding links to its own folder
# and to the folders of the layers below it, and nothing else.
set(KOLVAR_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layer-includes)

function(kolvar_layer name)
  set(below ${ARGN})
  set(visible ${name})
  foreach(layer ${below})
    get_property(below_visible GLOBAL PROPERTY KOLVAR_VISIBLE_${layer})
    list(APPEND visible ${below_visible})
  endforeach()
  list(REMOVE_DUPLICATES visible)
  set_property(GLOBAL PROPERTY KOLVAR_VISIBLE_${name} ${visible})

  set(root ${KOLVAR_LAYER_ROOTS}/${name})
  file(MAKE_DIRECTORY ${root})
  foreach(layer ${visible})
    if(NOT EXISTS ${root}/${layer})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${layer} ${root}/${layer} SYMBOLIC)
    endif()
  endforeach()

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  add_library(kolvar_${name} STATIC ${sources})
  target_include_directories(kolvar_${name} PUBLIC ${root})
  foreach(layer ${below})
    target_link_libraries(kolvar_${name} PUBLIC kolvar_${layer})
  endforeach()
endfunction()
