# The stand-in for Excel and Windows, and the command-line host on top of it.
file(GLOB ZQ_STANDIN_SOURCES CONFIGURE_DEPENDS host/standin/*.cpp)
add_library(zqstandin STATIC ${ZQ_STANDIN_SOURCES})
target_include_directories(zqstandin PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zqstandin PUBLIC zqrules)

# The host's sources but its main and the two loaders of the add-in, of
# which this system's own is added (the Windows host: cmake/windows.cmake).
file(GLOB ZQ_HOST_SOURCES CONFIGURE_DEPENDS host/*.cpp)
list(REMOVE_ITEM ZQ_HOST_SOURCES ${CMAKE_SOURCE_DIR}/host/main.cpp ${CMAKE_SOURCE_DIR}/host/addin_library_posix.cpp
                                 ${CMAKE_SOURCE_DIR}/host/addin_library_win32.cpp)
list(APPEND ZQ_HOST_SOURCES host/addin_library_posix.cpp)
# The host registers the exported-only functions from the companion's table,
# and compiles a caller for every type text of both tables (host/invokers.cpp).
add_library(zqhostlib STATIC ${ZQ_HOST_SOURCES})
target_include_directories(zqhostlib PUBLIC ${CMAKE_SOURCE_DIR})
# Formulas may be evaluated on several threads (--threads).
find_package(Threads REQUIRED)
target_link_libraries(zqhostlib PUBLIC zqstandin ${CMAKE_DL_LIBS} Threads::Threads)

add_executable(zqhost host/main.cpp)
target_link_libraries(zqhost PRIVATE zqhostlib)
# The add-in resolves the stand-in's functions from the host process.
set_target_properties(zqhost PROPERTIES ENABLE_EXPORTS ON)
target_link_options(zqhost PRIVATE -Wl,--whole-archive $<TARGET_FILE:zqstandin> -Wl,--no-whole-archive)
add_dependencies(zqhost zqrand zqextras)
