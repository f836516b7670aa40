find_package(GTest REQUIRED)
enable_testing()

# The kernels' unit tests link the maths library alone, and are built under
# its definitions, so that they too can reach nothing of the worksheet layer.
# GNU MPFR is the oracle for the correctly rounded elementary functions.
file(GLOB ZQ_MATHS_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(zqmathstests ${ZQ_MATHS_TEST_SOURCES})
target_compile_definitions(zqmathstests PRIVATE $<TARGET_PROPERTY:zqcore,COMPILE_DEFINITIONS>)
target_link_libraries(zqmathstests PRIVATE zqcore GTest::gtest GTest::gtest_main mpfr gmp)
include(GoogleTest)
gtest_discover_tests(zqmathstests DISCOVERY_TIMEOUT 60)

# The worksheet layer's unit tests: the worksheet functions called directly,
# with the maths library and the platform layer talking to the stand-in.
# The companion's path rules are plain code; its entry points are tested
# through the host, since they share their names with the add-in's.
file(GLOB ZQ_WORKSHEET_TEST_SOURCES CONFIGURE_DEPENDS tests/worksheet/*.cpp)
add_executable(zqworksheettests ${ZQ_WORKSHEET_TEST_SOURCES} extras/main_addin.cpp)
target_link_libraries(zqworksheettests PRIVATE zqworksheet zqcore zqplatform zqstandin GTest::gtest GTest::gtest_main)
gtest_discover_tests(zqworksheettests DISCOVERY_TIMEOUT 60)

# A small add-in of the Excel 12 flavour for the host tests; like the real
# add-ins it resolves the stand-in's functions from the host process.
add_library(zqfakeaddin12 MODULE tests/addins/fake_excel12_addin.cpp)
target_include_directories(zqfakeaddin12 PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zqfakeaddin12 PRIVATE zqrules Threads::Threads)
set_target_properties(zqfakeaddin12 PROPERTIES PREFIX "")

# Host-level tests: formulas through the built add-in and the host.
file(GLOB_RECURSE ZQ_HOST_TEST_SOURCES CONFIGURE_DEPENDS tests/host/*.cpp)
if(ZQ_HOST_TEST_SOURCES)
  # The fuzz harness's input format is tested here too.
  add_executable(zqhosttests ${ZQ_HOST_TEST_SOURCES} tests/fuzz/fuzz_input.cpp)
  target_link_libraries(zqhosttests PRIVATE zqhostlib GTest::gtest GTest::gtest_main)
  set_target_properties(zqhosttests PROPERTIES ENABLE_EXPORTS ON)
  target_link_options(zqhosttests PRIVATE -Wl,--whole-archive $<TARGET_FILE:zqstandin> -Wl,--no-whole-archive)
  target_compile_definitions(zqhosttests PRIVATE ZQ_ADDIN_PATH="$<TARGET_FILE:zqrand>"
                             ZQ_EXTRAS_PATH="$<TARGET_FILE:zqextras>" ZQ_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                             ZQ_FAKE_ADDIN12_PATH="$<TARGET_FILE:zqfakeaddin12>")
  add_dependencies(zqhosttests zqrand zqextras zqfakeaddin12)
  gtest_discover_tests(zqhosttests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS host)
endif()

# Conformance: every tests/conformance/<area>.zq through zqhost, compared
# with <area>.expected (and <area>.errors); see cmake/conformance.cmake.
# Each sheet runs a second time through the add-in and its companion with
# the host's own registration off, and must give the same output; sheets
# that list the registrations (--list) are left out of that run, since the
# list is what differs.
# Each sheet runs once more on 8 threads (--threads 8) and must give the
# same output: the classic add-in's functions, not registered thread-safe,
# run serially there; a thread-safe flavour's spread over the threads.
include(cmake/conformance_tests.cmake)
zq_add_conformance_tests(conformance $<TARGET_FILE:zqrand> 1)
zq_add_conformance_tests(conformance-threads $<TARGET_FILE:zqrand> 8)
# The Excel 12 flavour must give every sheet's output too, serially and with
# its thread-safe functions spread over 8 threads; only the classic 16-bit
# sizes differ.
zq_add_conformance_tests(conformance12 $<TARGET_FILE:zqrand12> 1 SKIP_LISTS SKIP classic_sizes)
zq_add_conformance_tests(conformance12-threads $<TARGET_FILE:zqrand12> 8 SKIP_LISTS SKIP classic_sizes)
file(GLOB ZQ_CONFORMANCE_CASES CONFIGURE_DEPENDS tests/conformance/*.zq)
foreach(case ${ZQ_CONFORMANCE_CASES})
  get_filename_component(area ${case} NAME_WE)
  string(REGEX REPLACE "\\.zq$" ".options" options_file ${case})
  set(case_options "")
  if(EXISTS ${options_file})
    file(READ ${options_file} case_options)
  endif()
  if(NOT case_options MATCHES "--list")
    add_test(NAME conformance-extras.${area}
             COMMAND ${CMAKE_COMMAND} -DHOST=$<TARGET_FILE:zqhost> -DADDIN=$<TARGET_FILE:zqrand> -DCASE=${case}
                     "-DEXTRA_OPTIONS=--extras --registered-only" -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/extras
                     -P ${CMAKE_SOURCE_DIR}/cmake/conformance.cmake)
  endif()
endforeach()

# The add-in's results are the same bits on every platform only while it
# imports no inexact C-library maths function.
add_test(NAME maths_imports
         COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DADDIN=$<TARGET_FILE:zqrand> -P ${CMAKE_SOURCE_DIR}/cmake/maths_imports.cmake)

# A registration row's type text must fit its function's C++ types: the row
# of tests/compile_checks/registration_row_check.cpp compiles with a fitting
# type text and is refused with one that does not.
foreach(check "fits;RBB;FALSE" "refused;RBI;TRUE")
  list(GET check 0 outcome)
  list(GET check 1 type_text)
  list(GET check 2 must_fail)
  add_test(NAME registration_row.${outcome}
           COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only -I${CMAKE_SOURCE_DIR}
                   "-DZQ_TYPE_TEXT=\"${type_text}\"" ${CMAKE_SOURCE_DIR}/tests/compile_checks/registration_row_check.cpp)
  set_tests_properties(registration_row.${outcome} PROPERTIES WILL_FAIL ${must_fail})
endforeach()

# The maths library knows nothing of the worksheet layer: a kernel source
# compiles with its definitions, and is refused once it includes the call
# frame (addin/worksheet_layer.h says why).
foreach(check "kernel_compiles;" "call_frame_refused;-DZQ_WITH_CALL_FRAME")
  list(GET check 0 outcome)
  list(GET check 1 frame_option)
  add_test(NAME maths_library.${outcome}
           COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only -I${CMAKE_SOURCE_DIR}
                   "-D$<JOIN:$<TARGET_PROPERTY:zqcore,COMPILE_DEFINITIONS>,;-D>" ${frame_option}
                   ${CMAKE_SOURCE_DIR}/tests/compile_checks/kernel_boundary_check.cpp
           COMMAND_EXPAND_LISTS)
endforeach()
set_tests_properties(maths_library.call_frame_refused PROPERTIES
                     PASS_REGULAR_EXPRESSION "the maths library knows nothing of the worksheet layer")

# The generators of the elementary functions' tables (see their comments);
# a test for each checks that the committed header is its output.
foreach(tables elementary tangent)
  add_executable(${tables}_tables_generator tests/tools/${tables}_tables_generator.cpp)
  target_link_libraries(${tables}_tables_generator PRIVATE zqrules mpfr gmp)
  add_test(NAME ${tables}_tables_are_generated
           COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:${tables}_tables_generator>
                   -DTABLES=${CMAKE_SOURCE_DIR}/numerics/${tables}_tables.h
                   -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/${tables}_tables.h -P ${CMAKE_SOURCE_DIR}/cmake/generated_tables.cmake)
endforeach()

# The long correct-rounding sweep against MPFR (./zq sweep).
add_executable(zqsweep EXCLUDE_FROM_ALL tests/sweep/elementary_sweep.cpp tests/unit/mpfr_reference.cpp)
target_link_libraries(zqsweep PRIVATE zqcore mpfr gmp)

# The Excel 12 flavour's tests: its worksheet layer against a minimal Excel
# 12 of their own (tests/worksheet12/excel12_standin.cpp).
file(GLOB ZQ_WORKSHEET12_TEST_SOURCES CONFIGURE_DEPENDS tests/worksheet12/*.cpp)
add_executable(zqworksheet12tests ${ZQ_WORKSHEET12_TEST_SOURCES})
target_link_libraries(zqworksheet12tests PRIVATE zqworksheet12 zqcore zqplatform12 GTest::gtest GTest::gtest_main)
# Its calls on many threads at once run under ThreadSanitizer too.
gtest_discover_tests(zqworksheet12tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS threads)
