# Fails when one of PROGRAMS (a list) names among its own libraries one of
# those the alerts, the web page's QR code or the GPIO port bring: a program
# that sends nothing and drives no port carries none of them.
foreach(program IN LISTS PROGRAMS)
  file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${program}
    RESOLVED_DEPENDENCIES_VAR resolved
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
  set(found)
  foreach(library IN LISTS resolved unresolved)
    get_filename_component(name ${library} NAME)
    if(name MATCHES "^lib(curl|mosquitto|qrencode|gpiod)[.-]")
      list(APPEND found ${name})
    endif()
  endforeach()
  if(found)
    message(FATAL_ERROR "${program} loads ${found}")
  endif()
  message(STATUS "${program}: none of libcurl, libmosquitto, libqrencode, libgpiod")
endforeach()
