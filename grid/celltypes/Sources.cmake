set(GRID_CELLTYPES_SOURCES
  celltypes/CellType.cpp
  celltypes/CellTypeBorders.cpp
  celltypes/CellTypeText.cpp
  celltypes/CellTypeOverflow.cpp
  celltypes/CellTypeScaled.cpp
)
