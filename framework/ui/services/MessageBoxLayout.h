// What a message box of a given MB_ type shows: its buttons with their Italian captions and
// results, the default button and the answer when it is closed without a button.
#pragma once

#include "framework/core/Types.h"

#include <vector>

struct MessageBoxButton
{
	LPCTSTR lpszCaption;	// UTF-8
	int nResult;	// IDOK, IDYES, ...
};

enum class MessageBoxIcon
{
	None,
	Stop,
	Question,
	Exclamation,
	Information,
};

// The buttons of nType & MB_TYPEMASK, left to right; an unknown kind shows OK alone.
std::vector<MessageBoxButton> MessageBoxButtons(UINT nType);
// Index of the default button from MB_DEFBUTTON*; the first one when nType names a missing button.
size_t MessageBoxDefaultButton(UINT nType);
MessageBoxIcon MessageBoxIconOf(UINT nType);
// Closing the box or pressing Escape answers Cancel where there is one, OK for a box with OK alone;
// Yes/No boxes cannot be closed that way, as on Windows, and give 0.
int MessageBoxEscapeResult(UINT nType);
