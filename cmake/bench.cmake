find_package(benchmark REQUIRED)
file(GLOB ZQ_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
if(ZQ_BENCH_SOURCES)
  add_executable(zqbench ${ZQ_BENCH_SOURCES} $<TARGET_OBJECTS:zqcore>)
  target_include_directories(zqbench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(zqbench PRIVATE zqstandin benchmark::benchmark benchmark::benchmark_main)
endif()

# The same benchmarks on the C library's exp, log, pow, tan and the rest,
# for ./zq bench --peers: the add-in's sources without its own elementary
# functions, which it defines under the C library's names. It measures the
# C library's functions themselves, and what the samplers would cost with
# elementary functions as fast as the C library's.
set(ZQ_LIBM_SOURCES ${ZQ_CORE_SOURCES})
list(FILTER ZQ_LIBM_SOURCES EXCLUDE REGEX "numerics/(elementary_functions|tangent)\\.cpp$")
add_executable(zqlibmbench EXCLUDE_FROM_ALL ${ZQ_BENCH_SOURCES} ${ZQ_LIBM_SOURCES})
target_include_directories(zqlibmbench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zqlibmbench PRIVATE zqstandin benchmark::benchmark benchmark::benchmark_main)
