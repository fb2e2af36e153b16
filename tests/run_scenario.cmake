# Runs one scenario script in a fresh, empty working folder, so every
# story starts without a settings file or a logger log of an earlier run.
# When a transcript <script>.out lies beside the script, the events printed
# (port writes, message boxes, sounds, program starts) must match it exactly.
# EMULATOR, when given, runs the program (wine for a Windows build).
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${EMULATOR} ${HEADLESS} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE rc)
message("${out}${err}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kolvar-headless ${SCRIPT} ended with ${rc}")
endif()
# Windows ends printed lines with CR LF. No printed text holds a CR of its own
# (it is escaped), so turning CR LF into LF changes nothing else.
string(REPLACE "\r\n" "\n" out "${out}")
string(REGEX REPLACE "\\.kvs$" ".out" transcript ${SCRIPT})
if(EXISTS ${transcript})
  file(READ ${transcript} expected)
  if(NOT out STREQUAL expected)
    file(WRITE ${WORKDIR}/actual.out "${out}")
    message(FATAL_ERROR "events differ from ${transcript}; see ${WORKDIR}/actual.out")
  endif()
endif()
