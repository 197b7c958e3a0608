# The Windows build, cross-compiled with mingw-w64: one static executable
# with no DLL to ship beside it.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
add_link_options(-static -static-libgcc -static-libstdc++)

# mingw-w64 ships XmlLite's header but no import library: make one.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/libxmllite.a
  COMMAND ${CMAKE_DLLTOOL} -d ${CMAKE_SOURCE_DIR}/platform/windows/xmllite.def -l ${CMAKE_BINARY_DIR}/libxmllite.a
  DEPENDS ${CMAKE_SOURCE_DIR}/platform/windows/xmllite.def)
add_custom_target(xmllite_import DEPENDS ${CMAKE_BINARY_DIR}/libxmllite.a)
add_library(xmllite STATIC IMPORTED)
set_target_properties(xmllite PROPERTIES IMPORTED_LOCATION ${CMAKE_BINARY_DIR}/libxmllite.a)
add_dependencies(xmllite xmllite_import)

add_library(veloinspect_platform STATIC
  platform/windows/xml_reader_windows.cpp
  platform/windows/process_windows.cpp
  platform/windows/host_platform_windows.cpp
  platform/windows/file_system_windows.cpp
  platform/windows/clock_windows.cpp
  platform/windows/output_file_windows.cpp
  platform/windows/registry_windows.cpp
  platform/windows/version_info_windows.cpp
  platform/windows/wmi_windows.cpp
  platform/windows/memory_windows.cpp
  platform/windows/security_windows.cpp
  platform/windows/display_windows.cpp
  platform/windows/opengl_windows.cpp
  platform/windows/opencl_windows.cpp
  platform/x86_cpu.cpp)
veloinspect_expose(veloinspect_platform PRIVATE FOLDERS platform/windows HEADERS platform/x86_cpu.h)
target_link_libraries(veloinspect_platform PUBLIC veloinspect_platform_api
  PRIVATE veloinspect_base xmllite shlwapi ole32 oleaut32 wbemuuid uuid version advapi32 opengl32 gdi32 user32)
add_library(veloinspect_platform_internals INTERFACE)
target_include_directories(veloinspect_platform_internals INTERFACE ${CMAKE_BINARY_DIR}/include/veloinspect_platform)
target_link_libraries(veloinspect_platform_internals INTERFACE veloinspect_platform veloinspect_base)

if(VELOINSPECT_GUI)
  add_library(veloinspect_ui_win32 STATIC
    ui/win32/dialog.cpp
    ui/win32/win32_controls.cpp
    ui/win32/resizable_layout.cpp
    ui/win32/opengl_extensions_dialog_win32.cpp
    ui/win32/sysinfo_dialog_win32.cpp
    ui/win32/main_dialog_win32.cpp)
  veloinspect_expose(veloinspect_ui_win32 PUBLIC FOLDERS ui/win32)
  target_link_libraries(veloinspect_ui_win32 PUBLIC veloinspect_app PRIVATE veloinspect_base comctl32 gdi32 user32)

  add_executable(VeloInspect WIN32 ui/win32/main.cpp ui/win32/VeloInspect.rc)
  target_link_options(VeloInspect PRIVATE -municode)
  target_link_libraries(VeloInspect PRIVATE veloinspect_ui_win32 veloinspect_platform)
  set_target_properties(VeloInspect PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  # The resource script names its ids, artwork and manifest by their paths
  # from the top of the tree.
  set_source_files_properties(ui/win32/VeloInspect.rc PROPERTIES INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/ui/win32/VeloInspect.manifest;${CMAKE_SOURCE_DIR}/ui/resource.h")
endif()

add_executable(VeloInspectReport ui/headless/report_main_windows.cpp)
target_link_options(VeloInspectReport PRIVATE -municode)
target_link_libraries(VeloInspectReport PRIVATE veloinspect_headless veloinspect_platform)
set_target_properties(VeloInspectReport PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
