# The stand-in for Excel and Windows, and the command-line host on top of it.
file(GLOB ZQ_STANDIN_SOURCES CONFIGURE_DEPENDS host/standin/*.cpp)
add_library(zqstandin STATIC ${ZQ_STANDIN_SOURCES})
target_include_directories(zqstandin PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zqstandin PUBLIC zqrules)

file(GLOB ZQ_HOST_SOURCES CONFIGURE_DEPENDS host/*.cpp)
list(FILTER ZQ_HOST_SOURCES EXCLUDE REGEX "host/main\\.cpp$")
# The add-in is loaded by the system's own call: one source per system.
if(WIN32)
  list(FILTER ZQ_HOST_SOURCES EXCLUDE REGEX "host/addin_library_posix\\.cpp$")
else()
  list(FILTER ZQ_HOST_SOURCES EXCLUDE REGEX "host/addin_library_win32\\.cpp$")
endif()
# The host registers the exported-only functions from the companion's table,
# and compiles a caller for every type text of both tables (host/invokers.cpp).
add_library(zqhostlib STATIC ${ZQ_HOST_SOURCES})
target_include_directories(zqhostlib PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zqhostlib PUBLIC zqstandin ${CMAKE_DL_LIBS})

add_executable(zqhost host/main.cpp)
target_link_libraries(zqhost PRIVATE zqhostlib)
# The add-in resolves the stand-in's functions from the host process.
set_target_properties(zqhost PROPERTIES ENABLE_EXPORTS ON)
target_link_options(zqhost PRIVATE -Wl,--whole-archive $<TARGET_FILE:zqstandin> -Wl,--no-whole-archive)
add_dependencies(zqhost zqrand zqextras)
