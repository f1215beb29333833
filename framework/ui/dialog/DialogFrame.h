// The desktop frame of a top-level dialog window: caption, buttons, sizing border and, for a
// modal dialog, the modal mark, as its styles ask.
#pragma once

#include "framework/core/Handles.h"

// A child dialog is left alone.
void DialogApplyFrame(HWND hWnd, bool bModal);
