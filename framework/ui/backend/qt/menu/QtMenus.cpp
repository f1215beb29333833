// The Qt driver's menus: menu bars across the top of their windows, popups shown at a point, the
// menu keys of top-level windows, and WM_ENTERIDLE's moment, when the event loop is about to wait.
#include "framework/ui/backend/qt/QtDriver.h"

#include "framework/ui/backend/qt/BeforeWait.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/menu/MenuWidgets.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

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

void WatchKey(QWidget* pWidget, const QKeySequence& key, HWND hWnd, ToolkitMenuKey nKey)
{
	QShortcut* pShortcut = new QShortcut(key, pWidget);
	pShortcut->setContext(Qt::WindowShortcut);
	QObject::connect(pShortcut, &QShortcut::activated, pShortcut, [hWnd, nKey] { OnToolkitMenuKey(hWnd, nKey); });
}

QObject* s_pIdleContext = nullptr;
QMetaObject::Connection s_blockConnection;
bool s_bIdleRequested = false;

// WM_ENTERIDLE goes out from the loop, after the wait is over, so that its handler may run loops.
void OnAboutToBlock()
{
	if (s_bIdleRequested)
	{
		s_bIdleRequested = false;
		QTimer::singleShot(0, s_pIdleContext, &OnToolkitMenuIdle);
	}
}

void EnsureIdleHook()
{
	ConnectBeforeWait(s_pIdleContext, s_blockConnection, &OnAboutToBlock);
}

}

void CQtDriver::WatchMenuKeys(HWND hWnd)
{
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		WatchKey(pWidget, QKeySequence(Qt::ALT | Qt::Key_Space), hWnd, ToolkitMenuKey::WindowMenu);
	}
}

void CQtDriver::AttachMenuBar(HWND hWnd, HMENU hMenu, int nHeight)
{
	QWidget* pWindowWidget = NativeWidget(hWnd);
	QMenuBar* pBar = pWindowWidget != nullptr ? MenuCreateBarWidget(hMenu, pWindowWidget) : nullptr;
	if (pBar == nullptr)
	{
		return;
	}
	pBar->setFixedHeight(nHeight);
	pBar->setGeometry(0, 0, pWindowWidget->width(), nHeight);
	pWindowWidget->installEventFilter(new CBarWidthFollower(pBar));
	WatchKey(pBar, QKeySequence(Qt::Key_F10), hWnd, ToolkitMenuKey::MenuBar);
	pBar->raise();
	pBar->show();
}

void CQtDriver::DetachMenuBar(HMENU hMenu)
{
	MenuDropBarWidget(hMenu);
}

void CQtDriver::SyncMenu(HMENU hMenu)
{
	MenuSyncWidgets(hMenu);
}

void CQtDriver::DestroyMenuWidgets(HMENU hMenu)
{
	MenuForgetWidgets(hMenu);
}

CSize CQtDriver::MenuPopupSize(HMENU hMenu)
{
	QMenu* pMenu = MenuPopupWidget(hMenu);
	const QSize size = pMenu != nullptr ? pMenu->sizeHint() : QSize(0, 0);
	return CSize(size.width(), size.height());
}

bool CQtDriver::ShowMenuPopup(HMENU hMenu, const CPoint& ptScreen)
{
	QPointer<QMenu> pMenu = MenuPopupWidget(hMenu);
	if (pMenu == nullptr)
	{
		return false;
	}
	pMenu->popup(QPoint(ptScreen.x, ptScreen.y));
	return pMenu != nullptr && pMenu->isVisible();
}

void CQtDriver::HideMenuPopup(HMENU hMenu)
{
	QMenu* pMenu = FindMenuPopupWidget(hMenu);
	if (pMenu != nullptr && pMenu->isVisible())
	{
		pMenu->hide();
	}
}

bool CQtDriver::OpenMenuBarTitle(HMENU hMenu, int nPos)
{
	QMenuBar* pBar = FindMenuBarWidget(hMenu);
	QAction* pTitle = pBar != nullptr ? pBar->actions().value(nPos) : nullptr;
	if (pTitle == nullptr)
	{
		return false;
	}
	pBar->setActiveAction(pTitle);
	// As with Alt and a letter, the popup opens with its first item selected.
	QMenu* pMenu = pTitle->menu();
	if (pMenu == nullptr || !pMenu->isVisible())
	{
		return true;
	}
	for (QAction* pAction : pMenu->actions())
	{
		if (!pAction->isSeparator() && pAction->isEnabled())
		{
			pMenu->setActiveAction(pAction);
			break;
		}
	}
	return true;
}

void CQtDriver::RequestMenuIdle()
{
	EnsureIdleHook();
	s_bIdleRequested = true;
}
