// Menu widgets: a QMenu per popup and a QMenuBar per window menu bar, with one action per item,
// kept in step with the items and reporting showing, hiding, hovering and choosing.
#include "framework/ui/backend/qt/menu/MenuWidgets.h"

#include "framework/core/GdiConstants.h"
#include "framework/core/MenuConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/backend/qt/GdiBackend.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/gdi/GdiObject.h"
#include "framework/ui/menu/MenuRecord.h"
#include "framework/ui/system/SystemServices.h"

#include <QActionGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QTimer>

#include <unordered_map>

namespace
{

struct MenuWidgets
{
	QPointer<QMenuBar> pBar;
	QPointer<QMenu> pPopup;
};

// Never destroyed: a menu that goes while the program exits (one of a static CMenu) still finds it.
std::unordered_map<HMENU, MenuWidgets>& Table()
{
	static auto* s_pTable = new std::unordered_map<HMENU, MenuWidgets>;
	return *s_pTable;
}

MenuWidgets* FindWidgets(HMENU hMenu)
{
	auto it = Table().find(hMenu);
	return it != Table().end() ? &it->second : nullptr;
}

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
			OnToolkitMenuInput(true);
			break;
		case QEvent::MouseButtonRelease:
			OnToolkitMenuInput(true);
			return IsOverSeparator(qobject_cast<QMenu*>(pWatched), static_cast<QMouseEvent*>(pEvent));
		case QEvent::MouseMove:
			OnToolkitMenuInput(true);
			NoteMouseOver(qobject_cast<QMenu*>(pWatched), static_cast<QMouseEvent*>(pEvent));
			break;
		case QEvent::KeyPress:
		case QEvent::Shortcut:
			OnToolkitMenuInput(false);
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
			OnToolkitMenuItemHovered(m_hMenu, -1);
		}
		else if (pAction->isSeparator() || !pAction->isEnabled())
		{
			OnToolkitMenuItemHovered(m_hMenu, static_cast<int>(pMenu->actions().indexOf(pAction)));
		}
	}

	HMENU m_hMenu;
};

void WirePopup(QMenu* pMenu, HMENU hMenu)
{
	QObject::connect(pMenu, &QMenu::aboutToShow, pMenu, [hMenu]
	{
		CDeliveryScope scope;
		OnToolkitMenuPopupShowing(hMenu);
	});
	QObject::connect(pMenu, &QMenu::aboutToHide, pMenu, [hMenu]
	{
		CDeliveryScope scope;
		OnToolkitMenuPopupHiding(hMenu);
	});
	// Both signals also arrive for the actions of the menu's own popups: only its own count here.
	QObject::connect(pMenu, &QMenu::hovered, pMenu, [hMenu, pMenu](QAction* pAction)
	{
		CDeliveryScope scope;
		const int nPos = static_cast<int>(pMenu->actions().indexOf(pAction));
		if (nPos >= 0)
		{
			OnToolkitMenuItemHovered(hMenu, nPos);
		}
	});
	QObject::connect(pMenu, &QMenu::triggered, pMenu, [hMenu, pMenu](QAction* pAction)
	{
		CDeliveryScope scope;
		const int nPos = static_cast<int>(pMenu->actions().indexOf(pAction));
		if (nPos >= 0)
		{
			OnToolkitMenuItemChosen(hMenu, nPos);
		}
	});
	pMenu->installEventFilter(new CMenuInputFilter(hMenu, pMenu));
}

// Deletes a menu's widget or action now, or once Qt has finished delivering the signal or event
// being handled.
void DisposeMenuObject(QObject* pObject)
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

// A widget is hidden first, so that the menu loop sees it close.
void DisposeMenuWidget(QWidget* pWidget)
{
	if (pWidget != nullptr)
	{
		pWidget->hide();
		DisposeMenuObject(pWidget);
	}
}

bool IsSeparator(const MenuItemRecord& item)
{
	return (item.nFlags & MF_SEPARATOR) != 0;
}

bool ActionFits(QAction* pAction, const MenuItemRecord& item)
{
	if (CMenuRecord* pSubMenu = CMenuRecord::SubMenuOf(item))
	{
		QMenu* pPopup = FindMenuPopupWidget(pSubMenu->Handle());
		return pPopup != nullptr && pAction == pPopup->menuAction();
	}
	return pAction->menu() == nullptr && pAction->isSeparator() == IsSeparator(item);
}

void RebuildActions(QWidget* pWidget, const CMenuRecord& record)
{
	for (QAction* pAction : pWidget->actions())
	{
		pWidget->removeAction(pAction);
		if (pAction->parent() == pWidget)
		{
			DisposeMenuObject(pAction);
		}
	}
	for (const MenuItemRecord& item : record.Items())
	{
		QAction* pAction = nullptr;
		if (CMenuRecord* pSubMenu = CMenuRecord::SubMenuOf(item))
		{
			pAction = MenuPopupWidget(pSubMenu->Handle())->menuAction();
		}
		else
		{
			pAction = new QAction(pWidget);
			pAction->setSeparator(IsSeparator(item));
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
	CMenuRecord* pSubMenu = CMenuRecord::SubMenuOf(item);
	const QString strText = ToQString(item.strText);
	if (pSubMenu != nullptr)
	{
		FindMenuPopupWidget(pSubMenu->Handle())->setTitle(strText);
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

void SyncWidget(QWidget* pWidget, const CMenuRecord& record)
{
	const std::vector<MenuItemRecord>& items = record.Items();
	QList<QAction*> actions = pWidget->actions();
	bool bFits = static_cast<size_t>(actions.size()) == items.size();
	for (size_t i = 0; bFits && i < items.size(); ++i)
	{
		bFits = ActionFits(actions[static_cast<int>(i)], items[i]);
	}
	if (!bFits)
	{
		RebuildActions(pWidget, record);
		actions = pWidget->actions();
	}
	for (size_t i = 0; i < items.size(); ++i)
	{
		ApplyItem(actions[static_cast<int>(i)], items[i]);
	}
}

}

QMenu* MenuPopupWidget(HMENU hMenu)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr)
	{
		return nullptr;
	}
	MenuWidgets& widgets = Table()[hMenu];
	if (widgets.pPopup == nullptr)
	{
		QMenu* pMenu = new QMenu;
		ApplyMenuLook(pMenu);
		widgets.pPopup = pMenu;
		WirePopup(pMenu, hMenu);
		SyncWidget(pMenu, *pRecord);
	}
	return widgets.pPopup;
}

QMenu* FindMenuPopupWidget(HMENU hMenu)
{
	MenuWidgets* pWidgets = FindWidgets(hMenu);
	return pWidgets != nullptr ? pWidgets->pPopup.data() : nullptr;
}

QMenuBar* FindMenuBarWidget(HMENU hMenu)
{
	MenuWidgets* pWidgets = FindWidgets(hMenu);
	return pWidgets != nullptr ? pWidgets->pBar.data() : nullptr;
}

QMenuBar* MenuCreateBarWidget(HMENU hMenu, QWidget* pParent)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr)
	{
		return nullptr;
	}
	MenuDropBarWidget(hMenu);
	QMenuBar* pBar = new QMenuBar(pParent);
	// A desktop with a global menu would take the bar out of the window.
	pBar->setNativeMenuBar(false);
	ApplyMenuLook(pBar);
	Table()[hMenu].pBar = pBar;
	// A title without a popup is a command of its own.
	QObject::connect(pBar, &QMenuBar::triggered, pBar, [hMenu, pBar](QAction* pAction)
	{
		CDeliveryScope scope;
		const int nPos = static_cast<int>(pBar->actions().indexOf(pAction));
		if (nPos >= 0)
		{
			OnToolkitMenuItemChosen(hMenu, nPos);
		}
	});
	pBar->installEventFilter(new CMenuInputFilter(hMenu, pBar));
	SyncWidget(pBar, *pRecord);
	return pBar;
}

void MenuDropBarWidget(HMENU hMenu)
{
	if (MenuWidgets* pWidgets = FindWidgets(hMenu))
	{
		DisposeMenuWidget(pWidgets->pBar);
		pWidgets->pBar = nullptr;
	}
}

void MenuSyncWidgets(HMENU hMenu)
{
	MenuWidgets* pWidgets = FindWidgets(hMenu);
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pWidgets == nullptr || pRecord == nullptr)
	{
		return;
	}
	if (pWidgets->pBar != nullptr)
	{
		SyncWidget(pWidgets->pBar, *pRecord);
	}
	if (pWidgets->pPopup != nullptr)
	{
		SyncWidget(pWidgets->pPopup, *pRecord);
	}
}

void MenuForgetWidgets(HMENU hMenu)
{
	auto it = Table().find(hMenu);
	if (it == Table().end())
	{
		return;
	}
	// Hiding an open popup reports it to the menu loop, which must not find the entry half gone.
	const MenuWidgets widgets = it->second;
	Table().erase(it);
	DisposeMenuWidget(widgets.pBar);
	DisposeMenuWidget(widgets.pPopup);
}
