set(FRAMEWORK_UI_DIALOG_SOURCES
  dialog/DialogLayout.cpp
  dialog/NumberText.cpp
)
