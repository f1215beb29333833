# The spectrum window: its lines, its table, its printing and its printed pages.
set(APP_TESTS_SPECTRUM_SOURCES
  spectrum/SpectrumFixture.cpp
  spectrum/SpectrumWindowTests.cpp
  spectrum/SpectrumCommandsTests.cpp
  spectrum/SpectrumPrintTests.cpp
  spectrum/SpectrumFigureTextsTests.cpp
  spectrum/SpectrumPagesTests.cpp
  spectrum/SpectrumScaleTests.cpp
  spectrum/SpectrumLayoutTests.cpp
)
