# Runs one conformance case through the host:
#   cmake -DHOST=<zqhost> -DADDIN=<add-in> -DCASE=<dir>/<area>.zq -DWORK_DIR=<dir> -P conformance.cmake
# The host's standard output must equal <area>.expected exactly. When
# <area>.errors exists, standard error must equal it and the host must exit
# with 2; otherwise standard error must be empty and the exit code 0.
# When <area>.options exists, its words are further host options (e.g.
# --wizard or --list).
# HOST_PREFIX (optional) runs the host through another program, e.g. wine;
# EXTRA_OPTIONS (optional, words separated by spaces) are further host
# options for the run, e.g. "--extras --registered-only".
foreach(required HOST ADDIN CASE WORK_DIR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "conformance.cmake needs -D${required}=...")
  endif()
endforeach()

get_filename_component(area "${CASE}" NAME_WE)
get_filename_component(directory "${CASE}" DIRECTORY)
set(expected_file "${directory}/${area}.expected")
set(errors_file "${directory}/${area}.errors")
set(options_file "${directory}/${area}.options")
set(case_options "")
if(EXISTS "${options_file}")
  file(READ "${options_file}" case_options)
  separate_arguments(case_options UNIX_COMMAND "${case_options}")
endif()
set(extra_options "")
if(DEFINED EXTRA_OPTIONS)
  separate_arguments(extra_options UNIX_COMMAND "${EXTRA_OPTIONS}")
endif()
if(NOT EXISTS "${expected_file}")
  message(FATAL_ERROR "${area}: ${expected_file} is missing")
endif()

execute_process(
  COMMAND ${HOST_PREFIX} "${HOST}" --addin "${ADDIN}" --quiet ${extra_options} ${case_options}
  INPUT_FILE "${CASE}"
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE actual_errors
  RESULT_VARIABLE exit_code)
# Windows builds write CR LF.
string(REPLACE "\r\n" "\n" actual "${actual}")
string(REPLACE "\r\n" "\n" actual_errors "${actual_errors}")

file(READ "${expected_file}" expected)
set(expected_errors "")
set(expected_exit 0)
if(EXISTS "${errors_file}")
  file(READ "${errors_file}" expected_errors)
  set(expected_exit 2)
endif()

set(failed FALSE)
if(NOT actual STREQUAL expected)
  file(MAKE_DIRECTORY "${WORK_DIR}")
  file(WRITE "${WORK_DIR}/${area}.actual" "${actual}")
  execute_process(COMMAND diff -u "${expected_file}" "${WORK_DIR}/${area}.actual")
  message(SEND_ERROR "${area}: standard output differs from ${expected_file} (actual output in ${WORK_DIR}/${area}.actual)")
  set(failed TRUE)
endif()
if(NOT actual_errors STREQUAL expected_errors)
  message(SEND_ERROR "${area}: standard error differs.\nExpected:\n${expected_errors}\nActual:\n${actual_errors}")
  set(failed TRUE)
endif()
if(NOT exit_code STREQUAL expected_exit)
  message(SEND_ERROR "${area}: exit code ${exit_code}, expected ${expected_exit}")
  set(failed TRUE)
endif()
if(NOT failed)
  message(STATUS "${area}: passed")
endif()
