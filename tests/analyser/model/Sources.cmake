# Reading signal files and the harmonic table, without a window.
set(ANALYSER_TESTS_MODEL_SOURCES
  model/SignalReaderTests.cpp
  model/HarmonicTableTests.cpp
)
