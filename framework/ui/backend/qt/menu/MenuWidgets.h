// The Qt widgets that show menus, found by the menu's handle: a popup's QMenu and a window's
// QMenuBar, kept in step with the model's record of the menu, in the classic menu colours, with
// their signals passed on to the model's menu loop.
#pragma once

#include "framework/core/Handles.h"

class QMenu;
class QMenuBar;
class QWidget;

// The popup's QMenu, made the first time it is needed; null for a handle that is not a menu.
QMenu* MenuPopupWidget(HMENU hMenu);
// The widgets made so far, or null.
QMenu* FindMenuPopupWidget(HMENU hMenu);
QMenuBar* FindMenuBarWidget(HMENU hMenu);
// A menu bar showing the menu's items, as a child of pParent, in place of any bar the menu had.
QMenuBar* MenuCreateBarWidget(HMENU hMenu, QWidget* pParent);
// The menu no longer shows as a bar.
void MenuDropBarWidget(HMENU hMenu);
// Makes the menu's widgets show its items as they are now.
void MenuSyncWidgets(HMENU hMenu);
// The menu's widgets go, and the handle is forgotten.
void MenuForgetWidgets(HMENU hMenu);
