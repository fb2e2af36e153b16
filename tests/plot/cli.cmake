# kolvar-plot from a script: pictures of a record, and exit status 2 with a
# message for what it cannot do.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})

execute_process(COMMAND ${PLOT} ${DATA}/short_run.csv --png ${WORKDIR}/run.png
                        --svg ${WORKDIR}/run.svg --size 800x400
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "export failed (${rc}): ${err}")
endif()
file(READ ${WORKDIR}/run.png magic LIMIT 8 HEX)
if(NOT magic STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "run.png is not a PNG: ${magic}")
endif()
file(READ ${WORKDIR}/run.svg svg)
if(NOT svg MATCHES "<svg" OR NOT svg MATCHES "</svg>")
  message(FATAL_ERROR "run.svg is not a whole SVG")
endif()

foreach(case "--png;x.png" "${DATA}/short_run.csv;--size;12x4000;--png;x.png"
             "${DATA}/short_run.csv;--bogus" "${DATA}/missing.csv;--png;x.png"
             "${DATA}/not_a_record.csv;--svg;x.svg"
             "${DATA}/short_run.csv;--background;${DATA}/missing.csv;--png;x.png"
             "${DATA}/short_run.csv;--background;${DATA}/not_a_record.csv;--svg;x.svg"
             "--background;${DATA}/short_run.csv" "${DATA}/short_run.csv;--background")
  execute_process(COMMAND ${PLOT} ${case} WORKING_DIRECTORY ${WORKDIR}
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "kolvar-plot: ")
    message(FATAL_ERROR "kolvar-plot ${case}: status ${rc}, not 2 with a message: ${err}")
  endif()
endforeach()
if(EXISTS ${WORKDIR}/x.png OR EXISTS ${WORKDIR}/x.svg)
  message(FATAL_ERROR "a failed run left a picture")
endif()

# The table of a folder's runs: a record listed, a stray file left out, a
# summary kept beside the record; no folder, or --runs with a picture, is 2.
file(MAKE_DIRECTORY ${WORKDIR}/runs)
file(COPY ${DATA}/short_run.csv ${DATA}/not_a_record.csv DESTINATION ${WORKDIR}/runs)
execute_process(COMMAND ${PLOT} --runs WORKING_DIRECTORY ${WORKDIR}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 2 OR NOT out MATCHES "^date +duration"
   OR NOT EXISTS ${WORKDIR}/runs/short_run.summary OR NOT err STREQUAL "")
  message(FATAL_ERROR "kolvar-plot --runs: status ${rc}, output '${out}', errors '${err}'")
endif()
# The note's first line of text below its keys is the run's note in the table.
file(WRITE ${WORKDIR}/runs/short_run.txt "charge: 30 L\nhearts: 4.2 L\n\nХорошие сердца\n")
execute_process(COMMAND ${PLOT} --runs WORKING_DIRECTORY ${WORKDIR}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "  Хорошие сердца\n$" OR out MATCHES "charge")
  message(FATAL_ERROR "kolvar-plot --runs with a note: status ${rc}, output '${out}'")
endif()
execute_process(COMMAND ${PLOT} --runs ${WORKDIR}/runs --csv
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^date,duration,first_takeoff_after,"
   OR NOT out MATCHES "\n2026-12-01 21:00:00,")
  message(FATAL_ERROR "kolvar-plot --runs --csv: status ${rc}, output '${out}'")
endif()
foreach(case "--runs;${WORKDIR}/nowhere" "--runs;${DATA}/short_run.csv" "--csv"
             "--runs;--png;x.png")
  execute_process(COMMAND ${PLOT} ${case} WORKING_DIRECTORY ${WORKDIR}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "kolvar-plot: " OR NOT out STREQUAL "")
    message(FATAL_ERROR "kolvar-plot ${case}: status ${rc}, not 2 with a message: ${err}")
  endif()
endforeach()
