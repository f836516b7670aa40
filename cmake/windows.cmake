# The Windows add-in (zqrand32.xll or zqrand64.xll, by the toolchain's word
# size), its companion (zqextras32.xll or zqextras64.xll), its Excel 12
# flavour (zqrand12_32.xll or zqrand12_64.xll), the stub XLCALL32.DLL that
# stands in for Excel's call library, and the host built for Windows.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ZQ_WINDOWS_BITS 64)
  set(ZQ_WINDOWS_ARCH x86_64)
else()
  set(ZQ_WINDOWS_BITS 32)
  set(ZQ_WINDOWS_ARCH i686)
endif()
if(NOT ZQ_DLLTOOL)
  set(ZQ_DLLTOOL ${CMAKE_DLLTOOL})
endif()

# Excel4 and Excel4v, imported from XLCALL32.DLL by ordinal (2 and 3), and
# XLCallVer by name.
set(ZQ_XLCALL32_IMPORT ${CMAKE_BINARY_DIR}/libxlcall32_ordinals.a)
add_custom_command(
  OUTPUT ${ZQ_XLCALL32_IMPORT}
  COMMAND ${ZQ_DLLTOOL} -d ${CMAKE_SOURCE_DIR}/addin/xlcall32_${ZQ_WINDOWS_ARCH}.def -l ${ZQ_XLCALL32_IMPORT}
  DEPENDS ${CMAKE_SOURCE_DIR}/addin/xlcall32_${ZQ_WINDOWS_ARCH}.def
  COMMENT "Import library of XLCALL32.DLL (ordinals 2 and 3, XLCallVer)")
add_custom_target(zqxlcall32import DEPENDS ${ZQ_XLCALL32_IMPORT})

# The add-in imports only system DLLs and XLCALL32: the compiler's own
# runtime is linked in. On i686 the __stdcall exports lose their @n suffix,
# so Excel finds them by their plain names.
set(ZQ_WINDOWS_LINK_OPTIONS -static -static-libgcc -static-libstdc++)
if(ZQ_WINDOWS_BITS EQUAL 32)
  list(APPEND ZQ_WINDOWS_LINK_OPTIONS -Wl,--kill-at)
endif()

set_target_properties(zqrand PROPERTIES OUTPUT_NAME zqrand${ZQ_WINDOWS_BITS} SUFFIX .xll)
add_dependencies(zqrand zqxlcall32import)
target_link_options(zqrand PRIVATE ${ZQ_WINDOWS_LINK_OPTIONS})
target_link_libraries(zqrand PRIVATE ${ZQ_XLCALL32_IMPORT} user32 kernel32)

set_target_properties(zqrand12 PROPERTIES OUTPUT_NAME zqrand12_${ZQ_WINDOWS_BITS} SUFFIX .xll)
add_dependencies(zqrand12 zqxlcall32import)
target_link_options(zqrand12 PRIVATE ${ZQ_WINDOWS_LINK_OPTIONS})
target_link_libraries(zqrand12 PRIVATE ${ZQ_XLCALL32_IMPORT} user32 kernel32)

set_target_properties(zqextras PROPERTIES OUTPUT_NAME zqextras${ZQ_WINDOWS_BITS} SUFFIX .xll)
add_dependencies(zqextras zqxlcall32import)
target_link_options(zqextras PRIVATE ${ZQ_WINDOWS_LINK_OPTIONS})
target_link_libraries(zqextras PRIVATE ${ZQ_XLCALL32_IMPORT} user32 kernel32)

# The stub call library for the host: same ordinals, calls forwarded to the
# handler the host installs.
add_library(zqxlcall32stub SHARED host/windows/xlcall32_stub.cpp
                                  host/windows/xlcall32_stub_${ZQ_WINDOWS_ARCH}.def)
target_include_directories(zqxlcall32stub PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zqxlcall32stub PRIVATE zqrules)
set_target_properties(zqxlcall32stub PROPERTIES PREFIX "" OUTPUT_NAME XLCALL32 SUFFIX .DLL)
target_link_options(zqxlcall32stub PRIVATE ${ZQ_WINDOWS_LINK_OPTIONS})

# The host for Windows (zqhost32.exe or zqhost64.exe): the same command line
# and stand-in for Excel as elsewhere, but the add-in makes its real window
# and message box calls, so the stand-in's windows are real hidden windows
# and the about box is read and closed by a hook.
if(EXISTS ${CMAKE_SOURCE_DIR}/host/main.cpp)
  set(ZQ_WINDOWS_STANDIN_SOURCES
      ${CMAKE_SOURCE_DIR}/host/standin/excel_calls.cpp
      ${CMAKE_SOURCE_DIR}/host/standin/excel12_calls.cpp
      ${CMAKE_SOURCE_DIR}/host/standin/wide_text.cpp
      ${CMAKE_SOURCE_DIR}/host/windows/excel12_callback.cpp
      ${CMAKE_SOURCE_DIR}/host/windows/real_windows.cpp
      ${CMAKE_SOURCE_DIR}/host/windows/message_box.cpp)
  file(GLOB ZQ_WINDOWS_HOST_SOURCES CONFIGURE_DEPENDS host/*.cpp)
  list(REMOVE_ITEM ZQ_WINDOWS_HOST_SOURCES ${CMAKE_SOURCE_DIR}/host/addin_library_posix.cpp)
  add_executable(zqhost ${ZQ_WINDOWS_HOST_SOURCES} ${ZQ_WINDOWS_STANDIN_SOURCES})
  target_include_directories(zqhost PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(zqhost PROPERTIES OUTPUT_NAME zqhost${ZQ_WINDOWS_BITS})
  target_link_options(zqhost PRIVATE ${ZQ_WINDOWS_LINK_OPTIONS})
  target_link_libraries(zqhost PRIVATE zqrules zqxlcall32stub user32 kernel32)
  add_dependencies(zqhost zqrand zqextras)
endif()
