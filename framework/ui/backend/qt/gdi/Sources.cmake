# The GDI's drawing on Qt: paint devices and their painters, fills, shapes, pictures, fonts and text, icons.
set(FRAMEWORK_UI_BACKEND_QT_GDI_SOURCES
  backend/qt/gdi/FontMapping.cpp
  backend/qt/gdi/GdiBackend.cpp
  backend/qt/gdi/QtDrawing.cpp
  backend/qt/gdi/QtFonts.cpp
  backend/qt/gdi/QtGdi.cpp
  backend/qt/gdi/QtPaintDevice.cpp
)
