# Fails when one of PROGRAMS (a list) names among its own libraries one of
# those the alerts, the web page's QR code or the GPIO port bring: a program
# that sends nothing and drives no port carries none of them. ALLOW (a list)
# names those a program may carry for a purpose of its own (the logger's
# MQTT source: mosquitto).
set(checked curl mosquitto qrencode gpiod)
if(ALLOW)
  list(REMOVE_ITEM checked ${ALLOW})
endif()
list(JOIN checked "|" checked_pattern)
foreach(program IN LISTS PROGRAMS)
  file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${program}
    RESOLVED_DEPENDENCIES_VAR resolved
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
  set(found)
  foreach(library IN LISTS resolved unresolved)
    get_filename_component(name ${library} NAME)
    if(name MATCHES "^lib(${checked_pattern})[.-]")
      list(APPEND found ${name})
    endif()
  endforeach()
  if(found)
    message(FATAL_ERROR "${program} loads ${found}")
  endif()
  message(STATUS "${program}: none of ${checked}")
endforeach()
