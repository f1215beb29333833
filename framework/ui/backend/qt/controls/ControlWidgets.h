// What the standard controls share: notifying the parent, handing input to the native widget,
// the control font, the palette, and the registration of each control's window class.
#pragma once

#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/window/WindowRecord.h"

#include <QPalette>
#include <QWidget>

// WM_COMMAND to the control's parent with the control's id and nCode in the high word.
void ControlNotifyParent(HWND hWnd, UINT nCode);
// The parent's answer to WM_CTLCOLORxxx for this control; the parent's class answers when its
// CWnd does not.
HBRUSH ControlAskColor(HWND hWnd, UINT nCtlColorMessage, HDC hDC);

// The default processing that all native controls share: input goes to the widget, WM_SETFONT
// reaches the widget's font; anything else is the generic processing.
LRESULT ControlDefaultProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The control's widget as its own type; null when the window is gone or is not of that kind.
template <class T>
T* ControlWidget(HWND hWnd)
{
	return dynamic_cast<T*>(NativeWidget(hWnd));
}

// The Windows palette of controls: system colours for text, window and button faces, and grey
// text on the button face when disabled.
void ControlApplyPalette(QWidget* pWidget, bool bWindowBackground);

// Qt's styles keep the pieces they draw (a push button's bevel, ...) in a cache keyed by the
// identity of the palette, and every palette set on a widget is a copy of its own; left so,
// each dialog's controls would add their pieces again and the cache would fill up with those of
// dialogs long closed. The style is handed instead one palette for each set of colours.
QPalette ControlSharedPalette(const QPalette& palette);

// A control's widget that shows the style the shared palette of its colours.
template <class TWidget, class TStyleOption>
class CPaletteSharingWidget : public TWidget
{
public:
	using TWidget::TWidget;

protected:
	void initStyleOption(TStyleOption* pOption) const override
	{
		TWidget::initStyleOption(pOption);
		pOption->palette = ControlSharedPalette(pOption->palette);
	}
};

void RegisterEditClass();
void RegisterButtonClass();
void RegisterStaticClass();
void RegisterListBoxClass();
void RegisterScrollBarClass();

// The widgets of the native controls, made for the driver.
QWidget* CreateEditWidget(HWND hWnd, const NativeWindowSpec& spec, QWidget* pParent);
QWidget* CreateButtonWidget(HWND hWnd, const NativeWindowSpec& spec, QWidget* pParent);
QWidget* CreateListBoxWidget(HWND hWnd, const NativeWindowSpec& spec, QWidget* pParent);
QWidget* CreateScrollBarWidget(HWND hWnd, const NativeWindowSpec& spec, QWidget* pParent);
