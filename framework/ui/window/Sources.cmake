set(FRAMEWORK_UI_WINDOW_SOURCES
  window/Wnd.cpp
)
