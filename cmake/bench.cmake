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

# Benchmarks through the host: the host loads a built add-in, which finds the
# stand-in's calls in the executable. zq_add_host_bench(TARGET SOURCE ADDIN
# DEFINITION) builds SOURCE with DEFINITION naming ADDIN's file.
function(zq_add_host_bench target source addin definition)
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE zqhostlib benchmark::benchmark benchmark::benchmark_main)
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
  target_link_options(${target} PRIVATE -Wl,--whole-archive $<TARGET_FILE:zqstandin> -Wl,--no-whole-archive)
  target_compile_definitions(${target} PRIVATE ${definition}="$<TARGET_FILE:${addin}>")
  add_dependencies(${target} ${addin})
endfunction()

# The host's cost per call (bench/host_call_bench.cpp), and a recalculation
# through the Excel 12 flavour (bench/recalculation_bench.cpp): a heavy sheet
# on one thread and on every core, and the big grid's column.
zq_add_host_bench(zqhostbench bench/host_call_bench.cpp zqrand ZQ_ADDIN_PATH)
zq_add_host_bench(zqrecalcbench bench/recalculation_bench.cpp zqrand12 ZQ_ADDIN12_PATH)
