set(GRID_LAYOUT_SOURCES
  layout/GridLayout.cpp
  layout/GridScrollBars.cpp
  layout/PrintLayout.cpp
)
