# The Qt side of the common services: Qt's message box, file and print dialogs, printers and print jobs, running the desktop's programs, the clipboard, and PNG and SVG files.
set(FRAMEWORK_UI_BACKEND_QT_SERVICES_SOURCES
  backend/qt/services/DesktopPrograms.cpp
  backend/qt/services/DialogTranslation.cpp
  backend/qt/services/PrinterSettings.cpp
  backend/qt/services/QtFileDialog.cpp
  backend/qt/services/QtMessageBox.cpp
  backend/qt/services/QtPictureFiles.cpp
  backend/qt/services/QtPrintDialog.cpp
  backend/qt/services/QtClipboard.cpp
  backend/qt/services/QtPrintJob.cpp
)
