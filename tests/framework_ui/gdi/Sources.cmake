# Tests of the framework's GDI: memory DCs and window surfaces drawn into and read back pixel by pixel.
set(FRAMEWORK_UI_GDI_TEST_SOURCES
  gdi/BltTests.cpp
  gdi/DcStateTests.cpp
  gdi/DeviceTests.cpp
  gdi/DibTests.cpp
  gdi/LineShapeTests.cpp
  gdi/TextTests.cpp
)
