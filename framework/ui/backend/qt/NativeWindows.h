// The Qt side of the program's windows, kept by the backend alone and found by the window's
// handle: the widget, the surface the framework paints on, the timers and the event being
// translated into messages.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/ui/backend/qt/QtPaintDevice.h"

#include <QImage>

#include <map>

class QEvent;
class QObject;
class QWidget;

struct NativeWindow
{
	QWidget* pWidget = nullptr;
	// Where the client area starts inside the widget, as the model last placed it.
	CPoint ptClient;
	QImage surface;
	CQtPaintDevice surfaceDevice {&surface};
	// Qt timer ids by the window's event ids, and the object that receives them.
	std::map<UINT_PTR, int> timers;
	QObject* pTimerTarget = nullptr;
	// The Qt event whose messages are being sent to the window, if any.
	QEvent* pTranslatedEvent = nullptr;
	// Files dragged from the desktop may be dropped on the window.
	bool bAcceptsFiles = false;
};

// Null for a handle that has no native window (any more).
NativeWindow* FindNativeWindow(HWND hWnd);
// The record of the handle, made on first use: even the desktop, which has no widget, has a surface.
NativeWindow& NativeWindowOf(HWND hWnd);
void ForgetNativeWindow(HWND hWnd);
size_t NativeWindowCount();
QWidget* NativeWidget(HWND hWnd);
// The window whose widget this is; null for a widget of no window.
HWND WindowOfWidget(const QWidget* pWidget);

// The surface at the client area's size: pixels outside it are dropped, the rest kept, new ones white.
QImage& FittedSurface(HWND hWnd, const CSize& sizeClient);

// Qt must not lose a widget in the middle of delivering one of its events: the widget goes once
// the event has been handled.
void DisposeWidget(QWidget* pWidget);
// Counts the events being delivered to the program's widgets, for DisposeWidget.
class CWidgetEventScope
{
public:
	CWidgetEventScope();
	~CWidgetEventScope();

	CWidgetEventScope(const CWidgetEventScope&) = delete;
	CWidgetEventScope& operator=(const CWidgetEventScope&) = delete;
};
