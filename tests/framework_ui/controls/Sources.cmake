set(FRAMEWORK_UI_CONTROLS_TEST_SOURCES
  controls/ButtonTests.cpp
  controls/EditTests.cpp
  controls/ListBoxTests.cpp
  controls/ScrollBarTests.cpp
  controls/StaticTests.cpp
  controls/SubclassedEditTests.cpp
)
