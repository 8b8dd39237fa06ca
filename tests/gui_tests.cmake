# The GUI tests: real widgets on the offscreen platform, boxes answered by a script.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

textmill_test(gui_tests
  SOURCES
    test_support.cpp
    gui/gui_environment.cpp
    gui/scripted_platform.cpp
    gui/platform_test.cpp
    gui/tool_window_test.cpp
    gui/mdiform_test.cpp
    gui/tabform_test.cpp
    gui/layout_test.cpp
    gui/misccon_test.cpp
    gui/verticalform_test.cpp
    gui/vert2comma_test.cpp
    gui/htmlform_test.cpp
    gui/combrecords_test.cpp
    gui/delimited_menu_test.cpp
  LIBS textmill_gui Qt6::Test)
add_dependencies(gui_tests textmill-cli)
