# The common services: message box layout, file, print and find/replace dialogs, printer DCs and opening files with the desktop's applications.
set(FRAMEWORK_UI_SERVICES_SOURCES
  services/FileDialog.cpp
  services/FileDialogRules.cpp
  services/FindReplaceDialog.cpp
  services/FindReplaceTemplates.cpp
  services/FrameworkStrings.cpp
  services/MessageBoxLayout.cpp
  services/PdfFileName.cpp
  services/PrintDialog.cpp
  services/PrinterDC.cpp
  services/PrinterRecords.cpp
  services/ShellExecute.cpp
  services/WinAppPrint.cpp
  services/XdgMime.cpp
)
