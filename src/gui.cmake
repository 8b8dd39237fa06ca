# The Qt program: the windows, the platform layer, and the two executables.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

add_library(textmill_gui STATIC
  framework/platform.cpp
  framework/ToolWindow.cpp
  framework/gui_run_host.cpp
  shell/shell_values.cpp
  shell/program_look.cpp
  shell/HelpViewer.cpp
  shell/Support.cpp
  shell/MDIForm1.cpp
  delimited/Tabform.cpp
  delimited/Misccon.cpp
  delimited/Verticalform.cpp
  delimited/vert2comma.cpp
  delimited/HTMLform.cpp
  delimited/Combrecords.cpp
)
set_target_properties(textmill_gui PROPERTIES AUTOMOC ON)
target_link_libraries(textmill_gui PUBLIC textmill_engine Qt6::Widgets)

add_executable(textmill shell/main.cpp)
target_link_libraries(textmill PRIVATE textmill_gui)

# Offscreen renderings of the windows (make screenshots).
add_executable(textmill_screenshots shell/screenshots_main.cpp)
target_link_libraries(textmill_screenshots PRIVATE textmill_gui Qt6::Test)
