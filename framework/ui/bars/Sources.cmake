# Toolbars and status bars: their layout, painting, mouse and command update.
set(FRAMEWORK_UI_BARS_SOURCES
  bars/BarCmdUI.cpp
  bars/BarGeometry.cpp
  bars/ControlBar.cpp
  bars/RepositionBars.cpp
  bars/StatusBar.cpp
  bars/StatusBarPaint.cpp
  bars/ToolBar.cpp
  bars/ToolBarMouse.cpp
  bars/ToolBarPaint.cpp
)
