# The Qt backend's menus: the widgets that show the model's menus and the driver's menu operations.
set(FRAMEWORK_UI_BACKEND_QT_MENU_SOURCES
  backend/qt/menu/MenuWidgets.cpp
  backend/qt/menu/QtMenus.cpp
)
