# cmake -DBUILD=DIR -DSTAGE=DIR -DPREFIX=/usr/local -DPROGRAMS=a,b -P check-install.cmake
# Installs the build tree DIR into STAGE (as DESTDIR) and checks that every
# file is in place, and nothing else.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" programs "${PROGRAMS}")
file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(root "${STAGE}${PREFIX}")
set(expected
  share/doc/kolvar/README.md
  share/doc/kolvar/copyright
  share/doc/kolvar/changelog.gz
  share/kolvar/stop.wav
  lib/systemd/user/kolvar-logger.service)
foreach(program ${programs})
  list(APPEND expected bin/${program} share/man/man1/${program}.1.gz)
endforeach()
# The menu entries come with the desktop window.
if("kolvar" IN_LIST programs)
  list(APPEND expected share/applications/kolvar.desktop
       share/icons/hicolor/scalable/apps/kolvar.svg)
  if("kolvar-sim" IN_LIST programs)
    list(APPEND expected share/applications/kolvar-sim.desktop)
  endif()
endif()
file(GLOB docs RELATIVE "${CMAKE_CURRENT_LIST_DIR}/.." "${CMAKE_CURRENT_LIST_DIR}/../docs/*.md"
     "${CMAKE_CURRENT_LIST_DIR}/../docs/*.png" "${CMAKE_CURRENT_LIST_DIR}/../docs/*.svg")
foreach(doc ${docs})
  list(APPEND expected share/doc/kolvar/${doc})
endforeach()

file(GLOB_RECURSE installed RELATIVE "${root}" "${root}/*")
file(GLOB_RECURSE everything RELATIVE "${STAGE}" "${STAGE}/*")
list(LENGTH installed in_prefix)
list(LENGTH everything in_stage)
if(NOT in_prefix EQUAL in_stage)
  message(FATAL_ERROR "files installed outside ${PREFIX}: ${everything}")
endif()
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "missing: ${missing}\nnot expected: ${extra}")
endif()

file(STRINGS "${root}/lib/systemd/user/kolvar-logger.service" exec REGEX "^ExecStart=")
if(NOT exec STREQUAL "ExecStart=${PREFIX}/bin/kolvar-logger")
  message(FATAL_ERROR "the user unit says ${exec}")
endif()
foreach(program ${programs})
  file(READ "${root}/share/man/man1/${program}.1.gz" magic LIMIT 2 HEX)
  if(NOT magic STREQUAL "1f8b")
    message(FATAL_ERROR "${program}.1.gz is not compressed with gzip")
  endif()
endforeach()
# The documentation's links hold where it is installed, not only in the source
# tree: README.md and docs/ keep their places relative to each other.
execute_process(COMMAND "${CMAKE_COMMAND}" -DROOT=${root}/share/doc/kolvar
                        -P "${CMAKE_CURRENT_LIST_DIR}/../tests/docs/check_docs.cmake"
                RESULT_VARIABLE broken)
if(broken)
  message(FATAL_ERROR "the installed documentation's links do not hold")
endif()
file(READ "${root}/share/kolvar/stop.wav" head LIMIT 12 HEX)
if(NOT head MATCHES "^52494646........57415645$")  # RIFF, its size, WAVE
  message(FATAL_ERROR "stop.wav is not a WAV file")
endif()
list(LENGTH installed count)
message(STATUS "${count} files installed under ${PREFIX}, as expected")
