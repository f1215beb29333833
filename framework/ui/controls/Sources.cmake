# The framework objects of the standard controls.
set(FRAMEWORK_UI_CONTROLS_SOURCES
  controls/Button.cpp
  controls/Edit.cpp
  controls/ListBox.cpp
  controls/ScrollBar.cpp
  controls/Static.cpp
)
