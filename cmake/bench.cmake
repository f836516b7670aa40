find_package(benchmark REQUIRED)
file(GLOB ZQ_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
if(ZQ_BENCH_SOURCES)
  add_executable(zqbench ${ZQ_BENCH_SOURCES} $<TARGET_OBJECTS:zqcore>)
  target_include_directories(zqbench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(zqbench PRIVATE zqstandin benchmark::benchmark benchmark::benchmark_main)
endif()

# The peers of ./zq bench --peers: the elementary and forward-rate benchmarks
# built on the C library's exp, log, pow and tan. It links none of the
# add-in's objects but the simulation's own, since the add-in defines its
# own functions under the C library's names.
add_executable(zqlibmbench EXCLUDE_FROM_ALL bench/elementary_bench.cpp bench/lfm_bench.cpp finance/lfm_simulation.cpp
               finance/lfm_generators.cpp distributions/normal.cpp random/mersenne_twister.cpp)
target_include_directories(zqlibmbench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zqlibmbench PRIVATE benchmark::benchmark benchmark::benchmark_main)
