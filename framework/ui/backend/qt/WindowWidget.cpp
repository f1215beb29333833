// Window widgets: creation, disposal, showing, and the painting of the surface onto the screen.
#include "framework/ui/backend/qt/WindowWidget.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/AppLoop.h"
#include "framework/ui/backend/qt/MenuSystem.h"
#include "framework/ui/backend/qt/WindowFrame.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowInput.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace
{

int s_nEventDepth = 0;

}

CHostWidget::CHostWidget(HWND hWnd, QWidget* pParent)
	: QWidget(pParent)
	, m_hWnd(hWnd)
{
	setAttribute(Qt::WA_OpaquePaintEvent);
	setAttribute(Qt::WA_NoSystemBackground);
	setMouseTracking(true);
	setFocusPolicy(Qt::NoFocus);
}

bool CHostWidget::event(QEvent* pEvent)
{
	++s_nEventDepth;
	bool bHandled = TranslateWindowEvent(m_hWnd, this, pEvent);
	--s_nEventDepth;
	if (pEvent->type() == QEvent::Paint)
	{
		return true;
	}
	return bHandled || QWidget::event(pEvent);
}

CHostEventFilter::CHostEventFilter(HWND hWnd, QObject* pParent)
	: QObject(pParent)
	, m_hWnd(hWnd)
{
}

bool CHostEventFilter::eventFilter(QObject* pWatched, QEvent* pEvent)
{
	if (!pWatched->isWidgetType())
	{
		return false;
	}
	++s_nEventDepth;
	bool bHandled = TranslateWindowEvent(m_hWnd, static_cast<QWidget*>(pWatched), pEvent);
	--s_nEventDepth;
	return bHandled;
}

void CreateHostWidget(CWindowHost& host)
{
	// An owned window is a Qt child window of its owner's top level, so the desktop keeps it above.
	QWidget* pParentWidget = nullptr;
	if (host.m_pParent != nullptr)
	{
		pParentWidget = host.IsChildWindow() ? host.m_pParent->m_pWidget : host.m_pParent->TopLevel()->m_pWidget;
	}
	if (host.m_pClass->pfnCreateWidget != nullptr)
	{
		AttachWidgetToHost(host, host.m_pClass->pfnCreateWidget(host, pParentWidget));
	}
	else
	{
		host.m_pWidget = new CHostWidget(host.Handle(), pParentWidget);
	}
	if (!host.IsChildWindow())
	{
		ApplyDesktopFrame(host);
		host.m_pWidget->setWindowTitle(QString::fromUtf8(static_cast<LPCTSTR>(host.m_strText)));
		MenuInstallWindowKeys(host);
	}
	host.m_pWidget->setEnabled(!host.IsChildWindow() || (host.m_dwStyle & WS_DISABLED) == 0);
	if (host.IsChildWindow() && (host.m_dwStyle & WS_VISIBLE) == 0)
	{
		// Qt shows every child with its parent unless the child was hidden explicitly.
		host.m_pWidget->hide();
	}
	host.ApplyGeometryToWidget();
}

void AttachWidgetToHost(CWindowHost& host, QWidget* pWidget)
{
	host.m_pWidget = pWidget;
	pWidget->setMouseTracking(true);
	pWidget->installEventFilter(new CHostEventFilter(host.Handle(), pWidget));
}

void DisposeHostWidget(CWindowHost& host)
{
	QWidget* pWidget = host.m_pWidget;
	host.m_pWidget = nullptr;
	pWidget->hide();
	if (CHostWidget* pHostWidget = dynamic_cast<CHostWidget*>(pWidget))
	{
		pHostWidget->m_hWnd = nullptr;
	}
	for (QObject* pChild : pWidget->children())
	{
		if (CHostEventFilter* pFilter = dynamic_cast<CHostEventFilter*>(pChild))
		{
			pFilter->m_hWnd = nullptr;
		}
	}
	// Qt must not lose a widget in the middle of delivering one of its events.
	if (s_nEventDepth > 0)
	{
		pWidget->deleteLater();
	}
	else
	{
		delete pWidget;
	}
}

CWindowHost* HostOfWidget(QWidget* pWidget)
{
	if (pWidget == nullptr)
	{
		return nullptr;
	}
	for (CWindowHost* pHost : CWindowHost::LiveWindows())
	{
		if (pHost->m_pWidget == pWidget && !pHost->m_bDead)
		{
			return pHost;
		}
	}
	return nullptr;
}

void CWindowHost::Show(bool bShow, int nCmdShow)
{
	bool bWasVisible = (m_dwStyle & WS_VISIBLE) != 0;
	HWND hWnd = Handle();
	if (bShow != bWasVisible)
	{
		Send(WM_SHOWWINDOW, bShow ? TRUE : FALSE, 0);
		if (FromHandle(hWnd) == nullptr)
		{
			return;
		}
	}
	if (bShow)
	{
		m_dwStyle |= WS_VISIBLE;
	}
	else
	{
		m_dwStyle &= ~WS_VISIBLE;
	}
	m_bIconic = nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINIMIZED || nCmdShow == SW_SHOWMINNOACTIVE
		|| (m_bIconic && nCmdShow != SW_RESTORE && nCmdShow != SW_SHOWNORMAL && nCmdShow != SW_MAXIMIZE);
	m_bZoomed = nCmdShow == SW_MAXIMIZE || (m_bZoomed && bShow && nCmdShow != SW_RESTORE && nCmdShow != SW_SHOWNORMAL);
	if (m_pWidget != nullptr)
	{
		if (!bShow)
		{
			m_pWidget->hide();
		}
		else if (IsChildWindow())
		{
			m_pWidget->show();
		}
		else if (m_bIconic)
		{
			m_pWidget->showMinimized();
		}
		else if (m_bZoomed)
		{
			m_pWidget->showMaximized();
		}
		else
		{
			m_pWidget->showNormal();
		}
	}
	if (bShow && !bWasVisible)
	{
		CSize size = ClientSize();
		Invalidate(QRegion(0, 0, size.cx, size.cy), true);
	}
}
