// Menus worked from code: the mouse events a user's pointer would give the menu widgets.
#include "framework/ui/testing/MenuDriving.h"

#include "framework/ui/backend/qt/menu/MenuWidgets.h"
#include "framework/ui/window/MenuLoop.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

namespace
{

void SendMouse(QWidget* pWidget, QEvent::Type type, const QPoint& pt)
{
	const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
	const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
	QMouseEvent event(type, QPointF(pt), QPointF(pWidget->mapToGlobal(pt)), button, buttons, Qt::NoModifier);
	QCoreApplication::sendEvent(pWidget, &event);
}

QMenu* OpenPopupWidget(HMENU hMenu)
{
	QMenu* pMenu = FindMenuPopupWidget(hMenu);
	return pMenu != nullptr && pMenu->isVisible() ? pMenu : nullptr;
}

// The item's action and where to point at it; null when the popup is not open or has no such item.
QAction* PointAt(QMenu* pMenu, UINT nPos, QPoint& pt)
{
	QAction* pAction = pMenu != nullptr ? pMenu->actions().value(static_cast<int>(nPos)) : nullptr;
	if (pAction != nullptr)
	{
		pt = pMenu->actionGeometry(pAction).center();
	}
	return pAction;
}

}

BOOL AfxMenuOpenBarPopup(CWnd* pWnd, UINT nPos)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
	QMenuBar* pBar = pHost != nullptr ? FindMenuBarWidget(pHost->m_hMenu) : nullptr;
	QAction* pTitle = pBar != nullptr ? pBar->actions().value(static_cast<int>(nPos)) : nullptr;
	if (pTitle == nullptr || pTitle->menu() == nullptr)
	{
		return FALSE;
	}
	SendMouse(pBar, QEvent::MouseButtonPress, pBar->actionGeometry(pTitle).center());
	return pTitle->menu()->isVisible();
}

UINT AfxMenuGetOpenPopupCount()
{
	return static_cast<UINT>(MenuOpenPopups().size());
}

HMENU AfxMenuGetOpenPopup(UINT nIndex)
{
	const std::vector<HMENU> open = MenuOpenPopups();
	return nIndex < open.size() ? open[nIndex] : nullptr;
}

BOOL AfxMenuHoverItem(HMENU hMenu, UINT nPos)
{
	QMenu* pMenu = OpenPopupWidget(hMenu);
	QPoint pt;
	QAction* pAction = PointAt(pMenu, nPos, pt);
	if (pAction == nullptr)
	{
		return FALSE;
	}
	SendMouse(pMenu, QEvent::MouseMove, pt);
	if (pAction->menu() != nullptr && pAction->isEnabled() && !pAction->menu()->isVisible())
	{
		pMenu->setActiveAction(pAction);
	}
	return TRUE;
}

BOOL AfxMenuClickItem(HMENU hMenu, UINT nPos)
{
	QMenu* pMenu = OpenPopupWidget(hMenu);
	QPoint pt;
	if (PointAt(pMenu, nPos, pt) == nullptr)
	{
		return FALSE;
	}
	SendMouse(pMenu, QEvent::MouseMove, pt);
	SendMouse(pMenu, QEvent::MouseButtonPress, pt);
	SendMouse(pMenu, QEvent::MouseButtonRelease, pt);
	return TRUE;
}

// Hiding the outermost popup hides those it opened.
void AfxMenuCloseAll()
{
	const std::vector<HMENU> open = MenuOpenPopups();
	for (HMENU hMenu : open)
	{
		if (QMenu* pMenu = OpenPopupWidget(hMenu))
		{
			pMenu->hide();
		}
	}
}
