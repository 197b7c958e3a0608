# The Linux build: the Linux backends and the Qt 6 window.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
pkg_check_modules(XRANDR REQUIRED IMPORTED_TARGET xrandr x11)
pkg_check_modules(EGL REQUIRED IMPORTED_TARGET egl opengl)

add_library(veloinspect_platform STATIC
  platform/x86_cpu.cpp
  platform/linux/meminfo.cpp
  platform/linux/memory_linux.cpp
  platform/linux/security_linux.cpp
  platform/linux/edid.cpp
  platform/linux/display_linux.cpp
  platform/linux/opengl_linux.cpp
  platform/linux/opencl_linux.cpp
  platform/linux/clock_linux.cpp
  platform/linux/output_file_linux.cpp
  platform/linux/xml_reader_linux.cpp
  platform/linux/process_linux.cpp
  platform/linux/host_platform_linux.cpp
  platform/linux/registry_hive.cpp
  platform/linux/registry_linux.cpp
  platform/linux/pe_version.cpp
  platform/linux/version_info_linux.cpp
  platform/linux/wine_paths.cpp
  platform/linux/file_system_linux.cpp
  platform/linux/wine_version_resources.cpp
  platform/linux/wmi/wmi_class.cpp
  platform/linux/wmi/sys_files.cpp
  platform/linux/wmi/proc_parsers.cpp
  platform/linux/wmi/cim_datetime.cpp
  platform/linux/wmi/pci_ids.cpp
  platform/linux/wmi/smbios_memory.cpp
  platform/linux/wmi/machine_kind.cpp
  platform/linux/wmi/system_calls.cpp
  platform/linux/wmi/instance_builder.cpp
  platform/linux/wmi/cpu_packages.cpp
  platform/linux/wmi/dmi_id.cpp
  platform/linux/wmi/mounted_volumes.cpp
  platform/linux/wmi/computer_system_class.cpp
  platform/linux/wmi/processor_class.cpp
  platform/linux/wmi/operating_system_class.cpp
  platform/linux/wmi/physical_memory_class.cpp
  platform/linux/wmi/video_controller_class.cpp
  platform/linux/wmi/disk_drive_class.cpp
  platform/linux/wmi/logical_disk_class.cpp
  platform/linux/wmi/volume_class.cpp
  platform/linux/wmi/bios_class.cpp
  platform/linux/wmi/base_board_class.cpp
  platform/linux/wmi/linux_classes.cpp
  platform/linux/wmi/wql_lexer.cpp
  platform/linux/wmi/wql_parser.cpp
  platform/linux/wmi/wql_like.cpp
  platform/linux/wmi/wql_evaluate.cpp
  platform/linux/wmi/wql_engine.cpp)
# The backend's own headers are its business; its tests see them through
# veloinspect_platform_internals.
veloinspect_expose(veloinspect_platform PRIVATE FOLDERS platform/linux HEADERS platform/x86_cpu.h)
target_link_libraries(veloinspect_platform PUBLIC veloinspect_platform_api
  PRIVATE veloinspect_base PkgConfig::LIBXML2 PkgConfig::XRANDR PkgConfig::EGL ${CMAKE_DL_LIBS})
add_library(veloinspect_platform_internals INTERFACE)
target_include_directories(veloinspect_platform_internals INTERFACE ${CMAKE_BINARY_DIR}/include/veloinspect_platform)
target_link_libraries(veloinspect_platform_internals INTERFACE veloinspect_platform veloinspect_base)

if(VELOINSPECT_GUI)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_library(veloinspect_ui_qt STATIC
    ui/qt/dialog_units.cpp
    ui/qt/qt_controls.cpp
    ui/qt/resizable_window_qt.cpp
    ui/qt/about_dialog_qt.cpp
    ui/qt/opengl_extensions_dialog_qt.cpp
    ui/qt/sysinfo_dialog_qt.cpp
    ui/qt/main_dialog_qt.cpp)
  veloinspect_expose(veloinspect_ui_qt PUBLIC FOLDERS ui/qt)
  target_link_libraries(veloinspect_ui_qt PUBLIC veloinspect_app Qt6::Widgets)
  qt_add_resources(veloinspect_ui_qt artwork
    PREFIX /res
    BASE ui/res
    FILES
      ui/res/program.ico ui/res/program.bmp ui/res/status_ok.bmp ui/res/status_error.bmp
      ui/res/busy_01.bmp ui/res/busy_02.bmp ui/res/busy_03.bmp ui/res/busy_04.bmp
      ui/res/busy_05.bmp ui/res/busy_06.bmp ui/res/busy_07.bmp ui/res/busy_08.bmp
      ui/res/busy_09.bmp ui/res/busy_10.bmp ui/res/busy_11.bmp ui/res/busy_12.bmp)

  add_executable(VeloInspect ui/qt/main.cpp)
  target_link_libraries(VeloInspect PRIVATE veloinspect_ui_qt veloinspect_platform)
  set_target_properties(VeloInspect PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# A demo Wine prefix with Velotrace installations, for scripts/run on a
# machine without one and for the end-to-end tests.
add_executable(make_demo_prefix tools/make_demo_prefix.cpp)
target_include_directories(make_demo_prefix PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(make_demo_prefix PRIVATE veloinspect_platform_api)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/demo-prefix/system.reg
  COMMAND make_demo_prefix ${CMAKE_BINARY_DIR}/demo-prefix
  DEPENDS make_demo_prefix
  COMMENT "Writing the demo Wine prefix")
add_custom_target(demo_prefix ALL DEPENDS ${CMAKE_BINARY_DIR}/demo-prefix/system.reg)

add_executable(veloinspect-report ui/headless/report_main_linux.cpp)
target_link_libraries(veloinspect-report PRIVATE veloinspect_headless veloinspect_platform veloinspect_base)
set_target_properties(veloinspect-report PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
