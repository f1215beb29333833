# The standard controls: their window classes and their framework objects.
set(FRAMEWORK_UI_CONTROLS_SOURCES
  controls/Button.cpp
  controls/ButtonClass.cpp
  controls/ControlSupport.cpp
  controls/Edit.cpp
  controls/EditClass.cpp
  controls/ListBox.cpp
  controls/ListBoxClass.cpp
  controls/ScrollBar.cpp
  controls/ScrollBarClass.cpp
  controls/Static.cpp
  controls/StaticClass.cpp
)
