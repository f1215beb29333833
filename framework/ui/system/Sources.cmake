# What the window system keeps for no window: system colours and metrics, key state, the clock.
set(FRAMEWORK_UI_SYSTEM_SOURCES
  system/SystemServices.cpp
)
