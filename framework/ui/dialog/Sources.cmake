# Dialogs from templates, their frame, navigation and data exchange.
set(FRAMEWORK_UI_DIALOG_SOURCES
  dialog/DataExchange.cpp
  dialog/Dialog.cpp
  dialog/DialogClass.cpp
  dialog/DialogCreate.cpp
  dialog/DialogFrame.cpp
  dialog/DialogItems.cpp
  dialog/DialogLayout.cpp
  dialog/DialogNavigation.cpp
  dialog/NumberText.cpp
)
