# The Qt side of the common services: Qt's message box.
set(FRAMEWORK_UI_BACKEND_QT_SERVICES_SOURCES
  backend/qt/services/QtMessageBox.cpp
)
