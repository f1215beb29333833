# The Qt backend: the driver, the windows' widgets and events, and the widgets of the native controls;
# those of menus, services and bars are in their own folders.
set(FRAMEWORK_UI_BACKEND_QT_SOURCES
  backend/qt/BeforeWait.cpp
  backend/qt/DesktopColors.cpp
  backend/qt/FileDrops.cpp
  backend/qt/HostWidget.cpp
  backend/qt/LockKeys.cpp
  backend/qt/NativeWindows.cpp
  backend/qt/QtDesktop.cpp
  backend/qt/QtInput.cpp
  backend/qt/QtLoops.cpp
  backend/qt/QtWindows.cpp
  backend/qt/controls/ButtonWidget.cpp
  backend/qt/controls/ControlWidgets.cpp
  backend/qt/controls/EditWidget.cpp
  backend/qt/controls/ListBoxWidget.cpp
  backend/qt/controls/ScrollBarWidget.cpp
)
# What tests and demonstrations drive the program with: input as the desktop gives it, surfaces, the
# desktop's view of windows.
set(FRAMEWORK_UI_TESTING_SOURCES
  backend/qt/testing/ClipboardAccess.cpp
  backend/qt/testing/DesktopAccess.cpp
  backend/qt/testing/MenuDriving.cpp
  backend/qt/testing/ResourceCounts.cpp
  backend/qt/testing/SurfaceAccess.cpp
  backend/qt/testing/UserDriving.cpp
)
