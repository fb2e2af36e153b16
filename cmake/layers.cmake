# kolvar_layer(NAME [BELOW...]): the library kolvar_NAME from src/NAME/*.cpp (those
# of this platform), linked to the layers BELOW it (and so to every layer under
# those). A layer names only those it includes. The platform comes in parts,
# one library per folder of src/platform/: "platform/files" below a layer links
# that part (and the platform's root under it), so a program carries the
# outside world it uses and no more.
#
# Every layer includes headers as "layer/file.h" from one root. To keep that
# and still refuse an include that points up the stack, each layer gets an
# include root of its own in the build tree holding links to its own folder
# and to the folders of the layers below it, and nothing else.
set(KOLVAR_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layer-includes)

# kolvar_for_this_platform(OUT FILES...): FILES less those made for another
# platform. A file whose name ends in _windows is built on Windows only, _posix
# on every other system, _linux on Linux only; any other file everywhere. A
# platform interface thus has one header and one source per platform, and no
# source carries branches for platforms it is not built on.
function(kolvar_for_this_platform out)
  set(kept)
  foreach(file ${ARGN})
    get_filename_component(stem ${file} NAME_WE)
    if(stem MATCHES "_windows$")
      set(wanted ${WIN32})
    elseif(stem MATCHES "_posix$")
      set(wanted ${UNIX})
    elseif(stem MATCHES "_linux$")
      set(wanted ${LINUX})
    else()
      set(wanted ON)
    endif()
    if(wanted)
      list(APPEND kept ${file})
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

function(kolvar_layer name)
  set(below)
  set(parts)
  foreach(layer ${ARGN})
    if(layer MATCHES "^platform/(.+)$")
      list(APPEND parts ${CMAKE_MATCH_1})
      list(APPEND below platform)
    else()
      list(APPEND below ${layer})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES below)
  set(visible ${name})
  foreach(layer ${below})
    get_property(below_visible GLOBAL PROPERTY KOLVAR_VISIBLE_${layer})
    list(APPEND visible ${below_visible})
  endforeach()
  list(REMOVE_DUPLICATES visible)
  set_property(GLOBAL PROPERTY KOLVAR_VISIBLE_${name} ${visible})

  set(root ${KOLVAR_LAYER_ROOTS}/${name})
  file(MAKE_DIRECTORY ${root})
  # A layer no longer named (a build tree configured before) loses its link.
  file(GLOB linked RELATIVE ${root} ${root}/*)
  foreach(layer ${linked})
    if(NOT layer IN_LIST visible)
      file(REMOVE ${root}/${layer})
    endif()
  endforeach()
  foreach(layer ${visible})
    if(NOT EXISTS ${root}/${layer})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${layer} ${root}/${layer} SYMBOLIC)
    endif()
  endforeach()

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  kolvar_for_this_platform(sources ${sources})
  add_library(kolvar_${name} STATIC ${sources})
  target_include_directories(kolvar_${name} PUBLIC ${root})
  foreach(layer ${below})
    target_link_libraries(kolvar_${name} PUBLIC kolvar_${layer})
  endforeach()
  foreach(part ${parts})
    target_link_libraries(kolvar_${name} PUBLIC kolvar_platform_${part})
  endforeach()
endfunction()

# kolvar_platform_part(NAME [PARTS...]): the library kolvar_platform_NAME from
# src/platform/NAME/*.cpp (those of this platform), over the platform's root and
# the other PARTS its sources use. It shares the platform layer's include root:
# its headers are "platform/NAME/file.h". A part with nothing to compile on this
# platform (the sound on Linux, where the window plays it) is an empty name.
function(kolvar_platform_part name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/${name}/*.cpp)
  kolvar_for_this_platform(sources ${sources})
  set(target kolvar_platform_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    set(scope PUBLIC)
    if(WIN32)
      # Keep <windows.h> small and free of the min and max macros.
      target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
    endif()
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_link_libraries(${target} ${scope} kolvar_platform)
  foreach(part ${ARGN})
    target_link_libraries(${target} ${scope} kolvar_platform_${part})
  endforeach()
endfunction()
