# The analyser's window: opening files, the analysis commands, exporting and printing, and its
# layout at any size; the tests link the analyser's windows.
set(ANALYSER_TESTS_WINDOW_SOURCES
  window/AnalyserWindowFixture.cpp
  window/AnalysisCommandTests.cpp
  window/ExportPrintTests.cpp
  window/FourierLayoutTests.cpp
  window/OpeningTests.cpp
)
set(ANALYSER_TESTS_WINDOW_LIBRARIES ondivar::analyser_shell)
