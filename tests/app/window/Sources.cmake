# The main window, the parameters dialog, the scopes on screen and start-up.
set(APP_TESTS_WINDOW_SOURCES
  window/DesktopFrameTests.cpp
  window/MainWindowTests.cpp
  window/ParamDialogTests.cpp
  window/ScopePixelTests.cpp
  window/StartupTests.cpp
  window/TemplateTextTests.cpp
)
