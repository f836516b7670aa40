# Runs the table generator GENERATOR into OUTPUT and requires the result to
# equal the committed TABLES byte for byte.
execute_process(COMMAND ${GENERATOR} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${GENERATOR} failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${TABLES} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${TABLES} is not the generator's output: rerun ${GENERATOR} (see the tables generators in tests/tools)")
endif()
