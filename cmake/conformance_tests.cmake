# The conformance sheets as tests: zq_add_conformance_tests(PREFIX ADDIN THREADS)
# adds PREFIX.<area> for every tests/conformance/<area>.zq, run through zqhost
# with the add-in at ADDIN (a path or generator expression) and, when
# THREADS is more than 1, with --threads THREADS; the output must be the
# sheet's .expected exactly (cmake/conformance.cmake). Threaded runs carry
# the label "threads" (run under ThreadSanitizer by ./zq test --tsan).
# With SKIP_LISTS, sheets that list the registrations (--list in their
# .options) are left out: another add-in's list is what differs; SKIP names
# further areas to leave out.
function(zq_add_conformance_tests prefix addin threads)
  cmake_parse_arguments(PARSE_ARGV 3 ZQ "SKIP_LISTS" "" "SKIP")
  file(GLOB cases CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/conformance/*.zq)
  set(thread_options "")
  if(threads GREATER 1)
    set(thread_options "-DEXTRA_OPTIONS=--threads ${threads}")
  endif()
  foreach(case ${cases})
    get_filename_component(area ${case} NAME_WE)
    if(area IN_LIST ZQ_SKIP)
      continue()
    endif()
    string(REGEX REPLACE "\\.zq$" ".options" options_file ${case})
    if(ZQ_SKIP_LISTS AND EXISTS ${options_file})
      file(READ ${options_file} case_options)
      if(case_options MATCHES "--list")
        continue()
      endif()
    endif()
    add_test(NAME ${prefix}.${area}
             COMMAND ${CMAKE_COMMAND} -DHOST=$<TARGET_FILE:zqhost> -DADDIN=${addin} -DCASE=${case}
                     ${thread_options} -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/${prefix}
                     -P ${CMAKE_SOURCE_DIR}/cmake/conformance.cmake)
    if(threads GREATER 1)
      set_tests_properties(${prefix}.${area} PROPERTIES LABELS threads)
    endif()
  endforeach()
endfunction()
