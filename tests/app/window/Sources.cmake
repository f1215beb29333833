# The main window, its layout at any size, the parameters dialog, the scopes on screen and start-up.
set(APP_TESTS_WINDOW_SOURCES
  window/DesktopFrameTests.cpp
  window/MainLayoutTests.cpp
  window/MainWindowTests.cpp
  window/ParamDialogTests.cpp
  window/ResizeTests.cpp
  window/ScopePixelTests.cpp
  window/ScopeViewTests.cpp
  window/StartupTests.cpp
  window/TemplateTextTests.cpp
)
