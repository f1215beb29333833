# Menus: the menu records, CMenu, items and templates.
set(FRAMEWORK_UI_MENU_SOURCES
  menu/Menu.cpp
  menu/MenuItems.cpp
  menu/MenuLoad.cpp
  menu/MenuRecord.cpp
)
