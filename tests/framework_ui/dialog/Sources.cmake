set(FRAMEWORK_UI_DIALOG_TEST_SOURCES
  dialog/DialogLayoutTest.cpp
  dialog/NumberTextTest.cpp
)
