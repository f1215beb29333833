// Menu templates written as C++ data, the way a resource script writes a menu: the titles of the
// menu bar, each opening a popup whose items may open popups of their own.
#pragma once

#include "framework/core/MenuConstants.h"
#include "framework/core/Types.h"

struct MenuItemTemplate
{
	UINT nFlags;	// MF_STRING, MF_SEPARATOR or MF_POPUP, with MF_GRAYED, MF_CHECKED, ...
	UINT nID;	// the command id; 0 for separators and popups
	LPCSTR lpszText;	// UTF-8, "&" before the mnemonic, "\t" before the accelerator text
	const MenuItemTemplate* pItems;	// the items of an MF_POPUP entry
	UINT nItems;
};

struct MenuTemplate
{
	UINT nID;
	const MenuItemTemplate* pItems;	// the titles of the menu bar
	UINT nItems;
};
