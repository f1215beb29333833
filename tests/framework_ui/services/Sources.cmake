# Tests of the common services: message boxes, file, print and find/replace dialogs, PDF printing
# and opening files with the desktop.
set(FRAMEWORK_UI_SERVICES_TEST_SOURCES
  services/ClipboardTests.cpp
  services/FileDialogRulesTests.cpp
  services/FileDialogTests.cpp
  services/FindReplaceTests.cpp
  services/MessageBoxTests.cpp
  services/PictureFilesTests.cpp
  services/PrintDialogRulesTests.cpp
  services/PrintDialogTests.cpp
  services/PrintPdfTests.cpp
  services/ShellExecuteTests.cpp
)
