# cmake -DWORKDIR=DIR -P check_docs_test.cmake
#
# The documentation check itself: small trees of pages written here, one
# sound and one per fault, each of which it must find and name. A check that
# passes everything would let every broken link through unseen.
cmake_minimum_required(VERSION 3.25)
set(check "${CMAKE_CURRENT_LIST_DIR}/check_docs.cmake")
file(REMOVE_RECURSE "${WORKDIR}")

# A tree that holds together, with the forms a page uses: a link over two
# lines, a picture, anchors of headings with punctuation and of a repeated
# heading, a link back to the README, links inside code that are no links,
# and an external address.
function(sound_tree dir)
  file(WRITE "${dir}/README.md" [=[
# Kolvar

See [the
guide](docs/guide.md#the-window-on-a-simulated-column-kolvar-sim) and
[its second part](docs/guide.md#a-run-1), ![a picture](docs/picture.png),
[the code host](https://example.org/kolvar) and [this page](#kolvar).
A link in code is none: `[x](docs/missing.md)`.

```
[nor](docs/missing-too.md) in a fenced block
```
]=])
  file(WRITE "${dir}/docs/guide.md" [=[
# Guide

## The window on a simulated column: kolvar-sim

## A run

## A run

Back to [the README](../README.md), on to [the scenario](#the-scenario).

## The scenario

<!-- scenario: tests/example.kvs -->
```
start
advance 2000
```
]=])
  file(WRITE "${dir}/docs/picture.png" "")
  file(WRITE "${dir}/tests/example.kvs" "start\nadvance 2000\n")
  file(WRITE "${dir}/src/code.h" "")
endfunction()

# expect_check(NAME PASS|FAIL [TEXT]): the check on tree NAME passes, or
# fails naming TEXT.
function(expect_check name outcome)
  execute_process(COMMAND "${CMAKE_COMMAND}" -DROOT=${WORKDIR}/${name} -DSOURCE=${WORKDIR}/${name}
                          -P "${check}"
                  RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(outcome STREQUAL "PASS" AND failed)
    message(FATAL_ERROR "${name}: the check failed on a sound tree:\n${out}")
  elseif(outcome STREQUAL "FAIL")
    if(NOT failed)
      message(FATAL_ERROR "${name}: the check let a broken tree pass:\n${out}")
    endif()
    string(FIND "${out}" "${ARGN}" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "${name}: the check failed without naming \"${ARGN}\":\n${out}")
    endif()
  endif()
endfunction()

sound_tree("${WORKDIR}/sound")
expect_check(sound PASS)

sound_tree("${WORKDIR}/missing_page")
file(REMOVE "${WORKDIR}/missing_page/docs/guide.md")
expect_check(missing_page FAIL "README.md: (docs/guide.md#the-window-on-a-simulated-column-kolvar-sim): no such file")

sound_tree("${WORKDIR}/missing_picture")
file(REMOVE "${WORKDIR}/missing_picture/docs/picture.png")
expect_check(missing_picture FAIL "(docs/picture.png): no such file")

sound_tree("${WORKDIR}/missing_anchor")
file(APPEND "${WORKDIR}/missing_anchor/docs/guide.md" "[gone](#a-run-2)\n")
expect_check(missing_anchor FAIL "docs/guide.md: (#a-run-2): no heading gives the anchor #a-run-2")

sound_tree("${WORKDIR}/outside")
file(APPEND "${WORKDIR}/outside/docs/guide.md" "[the code](../src/code.h)\n")
expect_check(outside FAIL "(../src/code.h): leads out of README.md and docs/")

sound_tree("${WORKDIR}/absolute")
file(APPEND "${WORKDIR}/absolute/README.md" "[doc](/usr/share/doc/kolvar/README.md)\n")
expect_check(absolute FAIL "an absolute path")

sound_tree("${WORKDIR}/scenario_drifted")
file(WRITE "${WORKDIR}/scenario_drifted/tests/example.kvs" "start\nadvance 3000\n")
expect_check(scenario_drifted FAIL "the scenario shown differs from tests/example.kvs")

message(STATUS "the documentation check finds each broken link it was shown")
