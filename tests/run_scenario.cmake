# Runs one scenario script in a fresh, empty working folder, so every
# story starts without a settings file or a logger log of an earlier run.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${HEADLESS} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kolvar-headless ${SCRIPT} ended with ${rc}")
endif()
