set(GRID_LAYOUT_SOURCES
  layout/GridLayout.cpp
  layout/GridJoinStep.cpp
  layout/GridScrollBars.cpp
  layout/PrintLayout.cpp
)
