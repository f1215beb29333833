// The widget of a window the framework paints itself, and the event filter that gives a class's
// own widget the same translation of Qt events into window messages.
#pragma once

#include "framework/ui/window/WndTypes.h"

#include <QObject>
#include <QWidget>

class CWindowHost;

class CHostWidget : public QWidget
{
public:
	CHostWidget(HWND hWnd, QWidget* pParent);

	HWND m_hWnd;

protected:
	bool event(QEvent* pEvent) override;
};

class CHostEventFilter : public QObject
{
public:
	CHostEventFilter(HWND hWnd, QObject* pParent);

	HWND m_hWnd;

protected:
	bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
};

// Turns a Qt event on the window's widget into its messages; true when the widget must not
// process the event itself.
bool TranslateWindowEvent(HWND hWnd, QWidget* pWidget, QEvent* pEvent);
