# Runs one scenario script in a fresh, empty working folder, so every
# story starts without a settings file or a logger log of an earlier run.
# When a transcript <script>.out lies beside the script, the events printed
# (port writes, message boxes, sounds, program starts) must match it exactly.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${HEADLESS} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE rc)
message("${out}${err}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kolvar-headless ${SCRIPT} ended with ${rc}")
endif()
string(REGEX REPLACE "\\.kvs$" ".out" transcript ${SCRIPT})
if(EXISTS ${transcript})
  file(READ ${transcript} expected)
  if(NOT out STREQUAL expected)
    file(WRITE ${WORKDIR}/actual.out "${out}")
    message(FATAL_ERROR "events differ from ${transcript}; see ${WORKDIR}/actual.out")
  endif()
endif()
