// Menu widgets: a QMenu per popup and a QMenuBar per window menu bar, with one action per item,
// kept in step with the items and reporting showing, hiding, hovering and choosing.
#include "framework/ui/backend/qt/MenuWidgets.h"

#include "framework/core/GdiConstants.h"
#include "framework/core/MenuConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/gdi/GdiObject.h"
#include "framework/ui/backend/qt/GdiBackend.h"
#include "framework/ui/backend/qt/MenuRecord.h"
#include "framework/ui/backend/qt/MenuSession.h"
#include "framework/ui/system/SystemServices.h"

#include <QActionGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QTimer>

namespace
{

// Inside a signal or event of a menu widget, Qt still holds that widget and its actions.
int s_nDeliveryDepth = 0;

class CDeliveryScope
{
public:
	CDeliveryScope()
	{
		++s_nDeliveryDepth;
	}

	~CDeliveryScope()
	{
		--s_nDeliveryDepth;
	}

	CDeliveryScope(const CDeliveryScope&) = delete;
	CDeliveryScope& operator=(const CDeliveryScope&) = delete;
};

QColor SysQColor(int nIndex)
{
	COLORREF cr = GetSysColor(nIndex);
	return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

void ApplyMenuLook(QWidget* pWidget)
{
	QPalette palette = pWidget->palette();
	for (QPalette::ColorRole role : { QPalette::Window, QPalette::Base, QPalette::Button })
	{
		palette.setColor(role, SysQColor(COLOR_MENU));
	}
	for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
	{
		palette.setColor(role, SysQColor(COLOR_MENUTEXT));
		palette.setColor(QPalette::Disabled, role, SysQColor(COLOR_GRAYTEXT));
	}
	palette.setColor(QPalette::Highlight, SysQColor(COLOR_HIGHLIGHT));
	palette.setColor(QPalette::HighlightedText, SysQColor(COLOR_HIGHLIGHTTEXT));
	pWidget->setPalette(palette);
	pWidget->setFont(GdiQFont(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
}

// Watches the input that reaches a menu widget.
class CMenuInputFilter : public QObject
{
public:
	CMenuInputFilter(HMENU hMenu, QWidget* pWidget)
		: QObject(pWidget)
		, m_hMenu(hMenu)
	{
	}

protected:
	bool eventFilter(QObject* pWatched, QEvent* pEvent) override
	{
		CDeliveryScope scope;
		switch (pEvent->type())
		{
		case QEvent::MouseButtonPress:
			MenuNoteInput(true);
			break;
		case QEvent::MouseButtonRelease:
			MenuNoteInput(true);
			return IsOverSeparator(qobject_cast<QMenu*>(pWatched), static_cast<QMouseEvent*>(pEvent));
		case QEvent::MouseMove:
			MenuNoteInput(true);
			NoteMouseOver(qobject_cast<QMenu*>(pWatched), static_cast<QMouseEvent*>(pEvent));
			break;
		case QEvent::KeyPress:
		case QEvent::Shortcut:
			MenuNoteInput(false);
			LeaveFocusAfterKeyboardMode(qobject_cast<QMenuBar*>(pWatched));
			break;
		case QEvent::FocusIn:
			ReturnFocusToWindow(qobject_cast<QMenuBar*>(pWatched), static_cast<QFocusEvent*>(pEvent));
			break;
		default:
			break;
		}
		return false;
	}

private:
	// On Windows the menu bar never holds the keyboard focus: Qt gives it the focus for its keyboard
	// mode, and then gives it back as the window's focus when the window is activated again.
	static void ReturnFocusToWindow(QMenuBar* pBar, QFocusEvent* pEvent)
	{
		if (pBar == nullptr || pEvent->reason() == Qt::MenuBarFocusReason)
		{
			return;
		}
		pBar->clearFocus();
	}

	// Leaving the bar's keyboard mode (Escape, or a title chosen) keeps Qt's focus on the bar when
	// no control had it before; the next key belongs to the window.
	static void LeaveFocusAfterKeyboardMode(QMenuBar* pBar)
	{
		if (pBar == nullptr)
		{
			return;
		}
		QTimer::singleShot(0, pBar, [pBar]
		{
			if (pBar->hasFocus() && pBar->activeAction() == nullptr)
			{
				pBar->clearFocus();
			}
		});
	}

	// Qt closes the menu when a separator is clicked; Windows keeps it open.
	static bool IsOverSeparator(QMenu* pMenu, QMouseEvent* pEvent)
	{
		QAction* pAction = pMenu != nullptr ? pMenu->actionAt(pEvent->position().toPoint()) : nullptr;
		return pAction != nullptr && pAction->isSeparator();
	}

	// Qt selects neither separators nor disabled items; Windows does, and tells the window.
	void NoteMouseOver(QMenu* pMenu, QMouseEvent* pEvent)
	{
		if (pMenu == nullptr)
		{
			return;
		}
		QAction* pAction = pMenu->actionAt(pEvent->position().toPoint());
		if (pAction == nullptr)
		{
			MenuItemHovered(m_hMenu, -1);
		}
		else if (pAction->isSeparator() || !pAction->isEnabled())
		{
			MenuItemHovered(m_hMenu, static_cast<int>(pMenu->actions().indexOf(pAction)));
		}
	}

	HMENU m_hMenu;
};

void WirePopup(QMenu* pMenu, HMENU hMenu)
{
	QObject::connect(pMenu, &QMenu::aboutToShow, pMenu, [hMenu]
	{
		CDeliveryScope scope;
		MenuPopupShowing(hMenu);
	});
	QObject::connect(pMenu, &QMenu::aboutToHide, pMenu, [hMenu]
	{
		CDeliveryScope scope;
		MenuPopupHiding(hMenu);
	});
	// Both signals also arrive for the actions of the menu's own popups: only its own count here.
	QObject::connect(pMenu, &QMenu::hovered, pMenu, [hMenu, pMenu](QAction* pAction)
	{
		CDeliveryScope scope;
		const int nPos = static_cast<int>(pMenu->actions().indexOf(pAction));
		if (nPos >= 0)
		{
			MenuItemHovered(hMenu, nPos);
		}
	});
	QObject::connect(pMenu, &QMenu::triggered, pMenu, [hMenu, pMenu](QAction* pAction)
	{
		CDeliveryScope scope;
		const int nPos = static_cast<int>(pMenu->actions().indexOf(pAction));
		if (nPos >= 0)
		{
			MenuItemChosen(hMenu, nPos);
		}
	});
	pMenu->installEventFilter(new CMenuInputFilter(hMenu, pMenu));
}

bool IsSeparator(const MenuItemRecord& item)
{
	return (item.nFlags & MF_SEPARATOR) != 0;
}

// The popup an item opens, when it opens one that still exists.
CMenuRecord* SubMenuOf(const MenuItemRecord& item)
{
	return (item.nFlags & MF_POPUP) != 0 ? CMenuRecord::FromHandle(item.hSubMenu) : nullptr;
}

bool ActionFits(QAction* pAction, const MenuItemRecord& item)
{
	if (CMenuRecord* pSubMenu = SubMenuOf(item))
	{
		return pSubMenu->m_pPopup != nullptr && pAction == pSubMenu->m_pPopup->menuAction();
	}
	return pAction->menu() == nullptr && pAction->isSeparator() == IsSeparator(item);
}

void RebuildActions(QWidget* pWidget, CMenuRecord& record)
{
	for (QAction* pAction : pWidget->actions())
	{
		pWidget->removeAction(pAction);
		if (pAction->parent() == pWidget)
		{
			MenuDisposeObject(pAction);
		}
	}
	const HMENU hMenu = record.Handle();
	for (size_t i = 0; i < record.m_items.size(); ++i)
	{
		QAction* pAction = nullptr;
		if (CMenuRecord* pSubMenu = SubMenuOf(record.m_items[i]))
		{
			pSubMenu->m_hParent = hMenu;
			pAction = MenuPopupWidget(*pSubMenu)->menuAction();
		}
		else
		{
			pAction = new QAction(pWidget);
			pAction->setSeparator(IsSeparator(record.m_items[i]));
		}
		pWidget->addAction(pAction);
	}
}

void ShowRadio(QAction* pAction, bool bRadio)
{
	if (bRadio && pAction->actionGroup() == nullptr)
	{
		// An exclusive group is what makes Qt draw a bullet instead of a tick.
		pAction->setActionGroup(new QActionGroup(pAction));
	}
	else if (!bRadio && pAction->actionGroup() != nullptr)
	{
		pAction->setActionGroup(nullptr);
	}
}

void ApplyItem(QAction* pAction, const MenuItemRecord& item)
{
	if (IsSeparator(item))
	{
		return;
	}
	CMenuRecord* pSubMenu = SubMenuOf(item);
	const QString strText = QString::fromUtf8(static_cast<LPCTSTR>(item.strText));
	if (pSubMenu != nullptr)
	{
		pSubMenu->m_pPopup->setTitle(strText);
	}
	else
	{
		pAction->setText(strText);
	}
	// Windows has greyed items and items that are only disabled; Qt greys both. Menu columns
	// (MF_MENUBREAK) and the bold default item are not shown.
	pAction->setEnabled((item.nFlags & (MF_GRAYED | MF_DISABLED)) == 0);
	// Windows shows no box beside an unchecked item, so only a checked item is checkable.
	const bool bChecked = (item.nFlags & MF_CHECKED) != 0 && pSubMenu == nullptr;
	pAction->setCheckable(bChecked);
	pAction->setChecked(bChecked);
	ShowRadio(pAction, bChecked && item.bRadio);
}

void SyncWidget(QWidget* pWidget, CMenuRecord& record)
{
	QList<QAction*> actions = pWidget->actions();
	bool bFits = static_cast<size_t>(actions.size()) == record.m_items.size();
	for (size_t i = 0; bFits && i < record.m_items.size(); ++i)
	{
		bFits = ActionFits(actions[static_cast<int>(i)], record.m_items[i]);
	}
	if (!bFits)
	{
		RebuildActions(pWidget, record);
		actions = pWidget->actions();
	}
	for (size_t i = 0; i < record.m_items.size(); ++i)
	{
		ApplyItem(actions[static_cast<int>(i)], record.m_items[i]);
	}
}

}

QMenu* MenuPopupWidget(CMenuRecord& record)
{
	if (record.m_pPopup == nullptr)
	{
		QMenu* pMenu = new QMenu;
		ApplyMenuLook(pMenu);
		record.m_pPopup = pMenu;
		WirePopup(pMenu, record.Handle());
		SyncWidget(pMenu, record);
	}
	return record.m_pPopup;
}

QMenuBar* MenuCreateBarWidget(CMenuRecord& record, QWidget* pParent)
{
	QMenuBar* pBar = new QMenuBar(pParent);
	// A desktop with a global menu would take the bar out of the window.
	pBar->setNativeMenuBar(false);
	ApplyMenuLook(pBar);
	record.m_pBar = pBar;
	const HMENU hMenu = record.Handle();
	// A title without a popup is a command of its own.
	QObject::connect(pBar, &QMenuBar::triggered, pBar, [hMenu, pBar](QAction* pAction)
	{
		CDeliveryScope scope;
		const int nPos = static_cast<int>(pBar->actions().indexOf(pAction));
		if (nPos >= 0)
		{
			MenuItemChosen(hMenu, nPos);
		}
	});
	pBar->installEventFilter(new CMenuInputFilter(hMenu, pBar));
	SyncWidget(pBar, record);
	return pBar;
}

void MenuSyncWidgets(CMenuRecord& record)
{
	if (record.m_pBar != nullptr)
	{
		SyncWidget(record.m_pBar, record);
	}
	if (record.m_pPopup != nullptr)
	{
		SyncWidget(record.m_pPopup, record);
	}
}

void MenuDisposeObject(QObject* pObject)
{
	if (pObject == nullptr)
	{
		return;
	}
	if (s_nDeliveryDepth > 0)
	{
		pObject->deleteLater();
	}
	else
	{
		delete pObject;
	}
}

void MenuDisposeWidget(QWidget* pWidget)
{
	if (pWidget != nullptr)
	{
		pWidget->hide();
		MenuDisposeObject(pWidget);
	}
}
