# The framework's GDI model: DCs, pens, brushes, fonts, bitmaps, palettes, regions and DIBs; the
# driver draws.
set(FRAMEWORK_UI_GDI_SOURCES
  gdi/Bitmap.cpp
  gdi/Brush.cpp
  gdi/Dc.cpp
  gdi/DcAttach.cpp
  gdi/DcBlt.cpp
  gdi/DcClip.cpp
  gdi/DcDraw.cpp
  gdi/DcDrawText.cpp
  gdi/DcEdge.cpp
  gdi/DcLines.cpp
  gdi/DcModes.cpp
  gdi/DcPaint.cpp
  gdi/DcState.cpp
  gdi/DcText.cpp
  gdi/Dib.cpp
  gdi/Font.cpp
  gdi/GdiDib.cpp
  gdi/GdiObject.cpp
  gdi/GdiObjectData.cpp
  gdi/IconFile.cpp
  gdi/Palette.cpp
  gdi/Pen.cpp
  gdi/Rgn.cpp
)
