# The main window, its layout at any size, the parameters dialog, the scopes on screen and start-up.
set(APP_TESTS_WINDOW_SOURCES
  window/MainWindowTests.cpp
  window/ParamDialogTests.cpp
  window/ScopePixelTests.cpp
  window/StartupTests.cpp
  window/MainLayoutTests.cpp
  window/ResizeTests.cpp
)
