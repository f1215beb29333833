// The Qt widgets that show menus: a popup's QMenu and a window's QMenuBar, kept in step with the
// menu's items, in the classic menu colours, with their signals passed on to the menu loop.
#pragma once

class CMenuRecord;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

// The popup's QMenu, made the first time it is needed.
QMenu* MenuPopupWidget(CMenuRecord& record);
// A menu bar showing the record's items, as a child of pParent.
QMenuBar* MenuCreateBarWidget(CMenuRecord& record, QWidget* pParent);
// Makes the menu's widgets show its items as they are now.
void MenuSyncWidgets(CMenuRecord& record);
// Deletes a menu's widget or action now, or once Qt has finished delivering the signal or
// event being handled; a widget is hidden first so that the menu loop sees it close.
void MenuDisposeObject(QObject* pObject);
void MenuDisposeWidget(QWidget* pWidget);
