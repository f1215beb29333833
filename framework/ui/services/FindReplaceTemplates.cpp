// The find and replace dialogs in dialog units, with the Windows control ids and Italian labels.
#include "framework/ui/services/FindReplaceTemplates.h"

#include "framework/core/CommonDialogConstants.h"
#include "framework/core/ControlConstants.h"
#include "framework/core/WinConstants.h"

namespace
{

constexpr DWORD DIALOG_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT;
constexpr DWORD EDIT_STYLE = WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
constexpr DWORD CHECK_STYLE = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD PUSH_STYLE = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

const DialogItemTemplate s_findItems[] = {
	{ "STATIC", "&Trova:", stc1, WS_VISIBLE | SS_LEFT, 0, 6, 9, 40, 8 },
	{ "EDIT", "", edt1, EDIT_STYLE, 0, 48, 7, 128, 12 },
	{ "BUTTON", "Solo &parole intere", chx1, CHECK_STYLE | WS_GROUP, 0, 6, 26, 96, 12 },
	{ "BUTTON", "&Maiuscole/minuscole", chx2, CHECK_STYLE, 0, 6, 42, 96, 12 },
	{ "BUTTON", "Direzione", grp1, WS_VISIBLE | WS_GROUP | BS_GROUPBOX, 0, 106, 26, 70, 30 },
	{ "BUTTON", "S&u", rad1, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 110, 39, 28, 12 },
	{ "BUTTON", "&Giù", rad2, WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 140, 39, 32, 12 },
	{ "BUTTON", "Trova &successivo", IDOK, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, 182, 5, 62, 14 },
	{ "BUTTON", "Annulla", IDCANCEL, PUSH_STYLE, 0, 182, 23, 62, 14 },
};

const DialogItemTemplate s_replaceItems[] = {
	{ "STATIC", "&Trova:", stc1, WS_VISIBLE | SS_LEFT, 0, 6, 9, 66, 8 },
	{ "EDIT", "", edt1, EDIT_STYLE, 0, 74, 7, 102, 12 },
	{ "STATIC", "Sostituisci c&on:", stc2, WS_VISIBLE | SS_LEFT, 0, 6, 26, 66, 8 },
	{ "EDIT", "", edt2, EDIT_STYLE, 0, 74, 24, 102, 12 },
	{ "BUTTON", "Solo &parole intere", chx1, CHECK_STYLE | WS_GROUP, 0, 6, 46, 100, 12 },
	{ "BUTTON", "&Maiuscole/minuscole", chx2, CHECK_STYLE, 0, 6, 62, 100, 12 },
	{ "BUTTON", "Trova &successivo", IDOK, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, 182, 4, 62, 14 },
	{ "BUTTON", "Sostitu&isci", psh1, PUSH_STYLE, 0, 182, 21, 62, 14 },
	{ "BUTTON", "Sostituisci t&utto", psh2, PUSH_STYLE, 0, 182, 38, 62, 14 },
	{ "BUTTON", "Annulla", IDCANCEL, PUSH_STYLE, 0, 182, 55, 62, 14 },
};

// The Windows numbers of the two templates.
constexpr UINT FINDDLGORD = 1540;
constexpr UINT REPLACEDLGORD = 1541;

}

const DialogTemplate g_findDialogTemplate = { FINDDLGORD, DIALOG_STYLE, 0, 30, 73, 250, 64, "Trova", "MS Sans Serif", 8,
	s_findItems, sizeof(s_findItems) / sizeof(s_findItems[0]), 0 };

const DialogTemplate g_replaceDialogTemplate = { REPLACEDLGORD, DIALOG_STYLE, 0, 36, 44, 250, 94, "Sostituisci",
	"MS Sans Serif", 8, s_replaceItems, sizeof(s_replaceItems) / sizeof(s_replaceItems[0]), 0 };
