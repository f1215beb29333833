set(GRID_WINDOW_SOURCES
  window/SheetSettings.cpp
  window/SelectionList.cpp
)
