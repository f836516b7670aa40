find_package(benchmark REQUIRED)
file(GLOB ZQ_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
# The benchmarks through the host load a built add-in: executables of their own.
list(REMOVE_ITEM ZQ_BENCH_SOURCES ${CMAKE_SOURCE_DIR}/bench/host_call_bench.cpp
     ${CMAKE_SOURCE_DIR}/bench/recalculation_bench.cpp)
if(ZQ_BENCH_SOURCES)
  add_executable(zqbench ${ZQ_BENCH_SOURCES})
  target_link_libraries(zqbench PRIVATE zqworksheet zqcore zqplatform zqstandin benchmark::benchmark
                                        benchmark::benchmark_main)
endif()

# The same benchmarks on the C library's exp, log, pow, tan and the rest,
# for ./zq bench --peers: the maths library without the C library's names
# for its own elementary functions (numerics/c_library_names.cpp). It measures the
# C library's functions themselves, and what the samplers would cost with
# elementary functions as fast as the C library's.
set(ZQ_LIBM_SOURCES ${ZQ_MATHS_SOURCES})
list(REMOVE_ITEM ZQ_LIBM_SOURCES ${CMAKE_SOURCE_DIR}/numerics/c_library_names.cpp)
add_library(zqcorelibm OBJECT EXCLUDE_FROM_ALL ${ZQ_LIBM_SOURCES})
target_include_directories(zqcorelibm PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(zqcorelibm PRIVATE $<TARGET_PROPERTY:zqcore,COMPILE_DEFINITIONS>)
target_link_libraries(zqcorelibm PUBLIC zqrules)
add_executable(zqlibmbench EXCLUDE_FROM_ALL ${ZQ_BENCH_SOURCES})
target_link_libraries(zqlibmbench PRIVATE zqworksheet zqcorelibm zqplatform zqstandin benchmark::benchmark
                                          benchmark::benchmark_main)

# The host's call path (bench/host_call_bench.cpp): the host loads the built
# add-in, which finds the stand-in's calls in this executable.
add_executable(zqhostbench bench/host_call_bench.cpp)
target_link_libraries(zqhostbench PRIVATE zqhostlib benchmark::benchmark benchmark::benchmark_main)
set_target_properties(zqhostbench PROPERTIES ENABLE_EXPORTS ON)
target_link_options(zqhostbench PRIVATE -Wl,--whole-archive $<TARGET_FILE:zqstandin> -Wl,--no-whole-archive)
target_compile_definitions(zqhostbench PRIVATE ZQ_ADDIN_PATH="$<TARGET_FILE:zqrand>")
add_dependencies(zqhostbench zqrand)

# A recalculation through the Excel 12 flavour (bench/recalculation_bench.cpp):
# a heavy sheet on one thread and on every core, and the big grid's column.
add_executable(zqrecalcbench bench/recalculation_bench.cpp)
target_link_libraries(zqrecalcbench PRIVATE zqhostlib benchmark::benchmark benchmark::benchmark_main)
set_target_properties(zqrecalcbench PROPERTIES ENABLE_EXPORTS ON)
target_link_options(zqrecalcbench PRIVATE -Wl,--whole-archive $<TARGET_FILE:zqstandin> -Wl,--no-whole-archive)
target_compile_definitions(zqrecalcbench PRIVATE ZQ_ADDIN12_PATH="$<TARGET_FILE:zqrand12>")
add_dependencies(zqrecalcbench zqrand12)
