# The Win32 program. Included by app/CMakeLists.txt in the Windows builds only.
enable_language(RC)
# The .rc file is UTF-8 (its texts are Chinese); windres must not read it in its default
# code page.
string(APPEND CMAKE_RC_FLAGS " --codepage=65001")

set_source_files_properties(resources.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_SOURCE_DIR}/res/app.ico;${CMAKE_CURRENT_SOURCE_DIR}/res/app.manifest;${CMAKE_CURRENT_SOURCE_DIR}/resource_ids.h")

add_executable(VarneskLaserPrinterStatusMonitor WIN32 main.cpp application.cpp main_window.cpp resources.rc)
# windres finds the icon and the manifest relative to this folder.
target_include_directories(VarneskLaserPrinterStatusMonitor PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(VarneskLaserPrinterStatusMonitor PRIVATE printer_app_logic printer_ui_win32 printer_platform comctl32)
target_link_options(VarneskLaserPrinterStatusMonitor PRIVATE -municode)
