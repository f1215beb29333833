// Files dragged from the desktop onto the program's widgets, handed to the model as drops.
#pragma once

#include "framework/core/Handles.h"

class QEvent;
class QWidget;

// A drag carrying local files over the window's widget, and its drop: true when the widget must not
// see the event itself. A window that takes no files ignores the drag, which goes on to its parents.
bool TranslateFileDrag(HWND hWnd, QWidget* pWidget, QEvent* pEvent);
