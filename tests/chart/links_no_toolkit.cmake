# Fails when PROGRAM loads a Qt library, directly or through another library.
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${PROGRAM}
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR unresolved)
set(toolkit)
foreach(library IN LISTS resolved unresolved)
  get_filename_component(name ${library} NAME)
  if(name MATCHES "^(lib)?Qt[0-9]*")
    list(APPEND toolkit ${name})
  endif()
endforeach()
if(toolkit)
  message(FATAL_ERROR "${PROGRAM} loads ${toolkit}")
endif()
list(LENGTH resolved count)
message(STATUS "${PROGRAM}: ${count} libraries, none of a toolkit")
