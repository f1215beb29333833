// A window's menu bar: its widget across the top of the window, the room it takes from the client
// area, and F10, which opens the bar from the keyboard.
#include "framework/ui/backend/qt/MenuBar.h"

#include "framework/core/MenuConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/backend/qt/MenuRecord.h"
#include "framework/ui/backend/qt/MenuSession.h"
#include "framework/ui/backend/qt/MenuWidgets.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/Wnd.h"

#include <QEvent>
#include <QMenuBar>
#include <QShortcut>

namespace
{

// Keeps the bar across the whole width of the window's widget.
class CBarWidthFollower : public QObject
{
public:
	explicit CBarWidthFollower(QMenuBar* pBar)
		: QObject(pBar)
		, m_pBar(pBar)
	{
	}

protected:
	bool eventFilter(QObject* pWatched, QEvent* pEvent) override
	{
		if (pEvent->type() == QEvent::Resize)
		{
			m_pBar->setGeometry(0, 0, static_cast<QWidget*>(pWatched)->width(), m_pBar->height());
		}
		return false;
	}

private:
	QMenuBar* m_pBar;
};

// The bar is part of the window's non-client area: the window keeps its rectangle, the client
// area gives up the bar's height and hears WM_SIZE, as on Windows.
void SetBarHeight(CWindowRecord& host, int nHeight)
{
	const CSize oldClient = host.ClientSize();
	host.m_nMenuBarHeight = nHeight;
	if (host.m_bDestroying)
	{
		return;
	}
	host.ApplyGeometry();
	const CSize newClient = host.ClientSize();
	if (newClient == oldClient)
	{
		return;
	}
	host.InvalidateClient(true);
	const WPARAM nType = host.m_bIconic ? SIZE_MINIMIZED : (host.m_bZoomed ? SIZE_MAXIMIZED : SIZE_RESTORED);
	host.Send(WM_SIZE, nType, MAKELPARAM(static_cast<WORD>(newClient.cx), static_cast<WORD>(newClient.cy)));
}

void DropBarWidget(CWindowRecord& host)
{
	if (CMenuRecord* pOld = CMenuRecord::FromHandle(host.m_hMenu))
	{
		pOld->m_hWnd = nullptr;
		MenuDisposeWidget(pOld->m_pBar);
	}
	host.m_hMenu = nullptr;
}

void MakeBarWidget(CWindowRecord& host, CMenuRecord& record)
{
	QWidget* pWindowWidget = NativeWidget(host.Handle());
	if (pWindowWidget == nullptr)
	{
		return;
	}
	QMenuBar* pBar = MenuCreateBarWidget(record, pWindowWidget);
	// One row always: where Windows wraps titles that do not fit onto more rows, Qt shows a button
	// that lists them.
	const int nHeight = GetSystemMetrics(SM_CYMENU);
	pBar->setFixedHeight(nHeight);
	pBar->setGeometry(0, 0, pWindowWidget->width(), nHeight);
	pWindowWidget->installEventFilter(new CBarWidthFollower(pBar));
	const HWND hWnd = host.Handle();
	QShortcut* pF10 = new QShortcut(QKeySequence(Qt::Key_F10), pBar);
	pF10->setContext(Qt::WindowShortcut);
	QObject::connect(pF10, &QShortcut::activated, pBar, [hWnd] { ::SendMessage(hWnd, WM_SYSCOMMAND, SC_KEYMENU, 0); });
	pBar->raise();
	pBar->show();
}

}

void MenuAttachBar(CWindowRecord& host, CMenuRecord& record)
{
	if (CWindowRecord* pOtherHost = CWindowRecord::FromHandle(record.m_hWnd))
	{
		if (pOtherHost != &host && pOtherHost->m_hMenu == record.Handle())
		{
			MenuDetachBar(*pOtherHost);
		}
	}
	DropBarWidget(host);
	host.m_hMenu = record.Handle();
	record.m_hWnd = host.Handle();
	MakeBarWidget(host, record);
	SetBarHeight(host, GetSystemMetrics(SM_CYMENU));
}

void MenuDetachBar(CWindowRecord& host)
{
	DropBarWidget(host);
	SetBarHeight(host, 0);
}

void MenuReleaseWindow(CWindowRecord& host)
{
	MenuDropSession(host.Handle());
	DestroyMenu(host.m_hMenu);
	DestroyMenu(host.m_hSystemMenu);
}
