# Menus: CMenu, items, templates and popups.
set(FRAMEWORK_UI_MENU_SOURCES
  menu/CmdUI.cpp
  menu/Menu.cpp
  menu/MenuItems.cpp
  menu/MenuLoad.cpp
  menu/TrackPopup.cpp
  menu/WndMenu.cpp
)
