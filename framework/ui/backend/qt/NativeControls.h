// The widgets of the native controls, which backend/qt/controls makes for CreateNativeWindow.
#pragma once

#include "framework/ui/backend/Driver.h"

class QWidget;

// The widget of an EDIT, BUTTON, LISTBOX or SCROLLBAR window, made from its creation styles; null
// for a window of another kind.
QWidget* CreateControlWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent);
