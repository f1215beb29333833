// Dialog templates written as C++ data, in dialog units, the way a resource script lays out a
// dialog: the dialog's own frame and font, then one entry per control.
#pragma once

#include "framework/core/Types.h"

struct DialogItemTemplate
{
	LPCSTR lpszClass;	// "EDIT", "BUTTON", "STATIC", "LISTBOX" or "SCROLLBAR"
	LPCSTR lpszText;	// UTF-8
	UINT nID;
	DWORD dwStyle;
	DWORD dwExStyle;
	short x;
	short y;
	short cx;
	short cy;
};

struct DialogTemplate
{
	UINT nID;
	DWORD dwStyle;
	DWORD dwExStyle;
	short x;
	short y;
	short cx;
	short cy;
	LPCSTR lpszCaption;	// UTF-8; nullptr or "" for none
	LPCSTR lpszFontFace;
	WORD wPointSize;
	const DialogItemTemplate* pItems;
	UINT nItems;
	UINT nMenuID;	// 0 for none
};
