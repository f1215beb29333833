# The Qt side of the bars: the pointer leaving a bar, from Qt's leave events.
set(FRAMEWORK_UI_BACKEND_QT_BARS_SOURCES
  backend/qt/bars/LeaveTracking.cpp
)
