// The pointer's services of the window system: the standard cursors, the cursor shown over the
// windows, where the pointer is, and releasing the mouse capture.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/Types.h"

// What an HCURSOR points at: one of the standard cursors, by its resource id.
struct HCURSOR__
{
	UINT nResourceID;
};

// Standard cursors (IDC_ARROW, IDC_WAIT, ...); hInstance is ignored and other names give null.
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
// Shows hCursor over the window under the mouse (or holding the capture); returns the previous one.
HCURSOR SetCursor(HCURSOR hCursor);
BOOL GetCursorPos(LPPOINT lpPoint);
BOOL ReleaseCapture();
