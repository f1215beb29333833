// What the Qt widgets of the native controls share: a window's widget by its type, the palette
// the style is handed, and the widget of each kind of control.
#pragma once

#include "framework/ui/backend/Driver.h"
#include "framework/ui/backend/qt/NativeWindows.h"

#include <QPalette>
#include <QWidget>

// The control's widget as its own type; null when the window is gone or is not of that kind.
template <class T>
T* ControlWidget(HWND hWnd)
{
	return dynamic_cast<T*>(NativeWidget(hWnd));
}

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

QWidget* CreateEditWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent);
QWidget* CreateButtonWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent);
QWidget* CreateListBoxWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent);
QWidget* CreateScrollBarWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent);

// An edit widget's text, with Windows line breaks ("\r\n"); a widget that is no edit has none.
void SetEditWidgetText(QWidget* pWidget, const CString& strText);
CString EditWidgetText(QWidget* pWidget);
