# Saving the modulated signal, closing and the Fourier hand-off.
set(APP_TESTS_SAVING_SOURCES
  saving/SavingSupport.cpp
  saving/SavingFixture.cpp
  saving/SignalFilesTests.cpp
  saving/SavingTests.cpp
  saving/ClosingTests.cpp
  saving/FourierOfferTests.cpp
)
