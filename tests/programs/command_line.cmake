# Every program keeps the same command-line conventions: --help prints the
# usage on standard output with status 0, --version prints the version with
# status 0, and a wrong option prints the usage on standard error with 2.
# PROGRAMS: name=path pairs; VERSION: the version the build carries;
# EMULATOR (optional): what runs them (wine for a Windows build), whose line
# ends are then CR LF and are read as LF. MENTIONS (optional): options, split
# by commas, that every program's usage must name.
foreach(entry ${PROGRAMS})
  string(REPLACE "=" ";" fields "${entry}")
  list(GET fields 0 name)
  list(GET fields 1 path)

  execute_process(COMMAND ${EMULATOR} ${path} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 30)
  string(REPLACE "\r\n" "\n" out "${out}")
  if(NOT rc EQUAL 0 OR NOT out MATCHES "^usage: ${name}" OR NOT err STREQUAL "")
    message(FATAL_ERROR "${name} --help: status ${rc}, output '${out}', errors '${err}'")
  endif()
  string(REPLACE "," ";" mentions "${MENTIONS}")
  foreach(option ${mentions})
    string(FIND "${out}" "${option}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${name} --help names no ${option}: '${out}'")
    endif()
  endforeach()

  execute_process(COMMAND ${EMULATOR} ${path} --version RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 30)
  string(REPLACE "\r\n" "\n" out "${out}")
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "${name} ${VERSION}\n")
    message(FATAL_ERROR "${name} --version: status ${rc}, output '${out}', errors '${err}'")
  endif()

  execute_process(COMMAND ${EMULATOR} ${path} --no-such-option RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "usage: ${name}" OR NOT out STREQUAL "")
    message(FATAL_ERROR "${name} --no-such-option: status ${rc}, output '${out}', errors '${err}'")
  endif()
endforeach()
