# Tests of the control bars: geometry in numbers, toolbars and status bars in windows, layout.
set(FRAMEWORK_UI_BARS_TEST_SOURCES
  bars/BarCmdUITests.cpp
  bars/BarGeometryTests.cpp
  bars/BarTestSupport.cpp
  bars/RepositionBarsTests.cpp
  bars/StatusBarTests.cpp
  bars/ToolBarTests.cpp
)
