# The libFuzzer harness: zqfuzz loads the instrumented add-in like the host
# does and calls every worksheet function with hostile arguments;
# zqfuzzseeds turns formula sheets into its starting corpus.
add_library(zqfuzzinput STATIC tests/fuzz/fuzz_input.cpp tests/fuzz/fuzz_targets.cpp)
target_include_directories(zqfuzzinput PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zqfuzzinput PUBLIC zqhostlib)

foreach(tool zqfuzz zqfuzzseeds)
  if(tool STREQUAL "zqfuzz")
    add_executable(${tool} tests/fuzz/worksheet_fuzzer.cpp)
    target_link_options(${tool} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${tool} tests/fuzz/seed_corpus.cpp)
  endif()
  target_link_libraries(${tool} PRIVATE zqfuzzinput)
  # The add-in resolves the stand-in's functions from the process.
  set_target_properties(${tool} PROPERTIES ENABLE_EXPORTS ON)
  target_link_options(${tool} PRIVATE -Wl,--whole-archive $<TARGET_FILE:zqstandin> -Wl,--no-whole-archive)
  target_compile_definitions(${tool} PRIVATE ZQ_ADDIN_PATH="$<TARGET_FILE:zqrand>")
  add_dependencies(${tool} zqrand)
endforeach()
