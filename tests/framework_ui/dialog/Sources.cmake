set(FRAMEWORK_UI_DIALOG_TEST_SOURCES
  dialog/DialogLayoutTest.cpp
  dialog/DialogWindowTests.cpp
  dialog/DataExchangeTests.cpp
  dialog/DoModalTests.cpp
  dialog/ModalOwnerTests.cpp
  dialog/NumberTextTest.cpp
)
