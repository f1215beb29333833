# The spectrum window: its lines, its table and its printing.
set(APP_TESTS_SPECTRUM_SOURCES
  spectrum/SpectrumFixture.cpp
  spectrum/SpectrumWindowTests.cpp
  spectrum/SpectrumCommandsTests.cpp
  spectrum/SpectrumPrintTests.cpp
  spectrum/SpectrumFigureTextsTests.cpp
)
