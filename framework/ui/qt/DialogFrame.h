// The desktop frame of a top-level dialog window: caption, system menu and close box as its
// styles ask.
#pragma once

#include "framework/core/Handles.h"

// A child dialog is left alone.
void DialogApplyFrame(HWND hWnd);
