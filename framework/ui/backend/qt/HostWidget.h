// The widget of a window the framework paints itself, and the event filter that gives a native
// control's own widget the same translation of Qt events into the model's toolkit events.
#pragma once

#include "framework/core/Handles.h"

#include <QObject>
#include <QWidget>

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

// Installs the translation of Qt events on a widget made for a native control.
void AttachWidgetToWindow(HWND hWnd, QWidget* pWidget);
// The widget no longer speaks for its window.
void DetachWidgetFromWindow(QWidget* pWidget);
