// The scope demonstration's resource module: one dialog with two scopes and their labels.
#include "tools/scopedemo/ScopeDemoResources.h"

#include "framework/core/ControlConstants.h"
#include "framework/core/Resources.h"
#include "framework/core/WinConstants.h"

namespace
{
	constexpr DWORD SCOPE_STYLE = WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL;

	const DialogItemTemplate s_items[] = {
		{"STATIC", "Segnale campionato (linea)", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 7, 7, 200, 9},
		{"EDIT", "", IDC_SCOPE_LINE, SCOPE_STYLE, 0, 7, 18, 306, 80},
		{"STATIC", "Righe spettrali (barre)", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 7, 104, 200, 9},
		{"EDIT", "", IDC_SCOPE_BARS, SCOPE_STYLE, 0, 7, 115, 306, 80},
		{"BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 263, 201, 50, 14},
	};

	const DialogTemplate s_dialogs[] = {
		{IDD_SCOPE_DEMO, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SETFONT, 0, 0, 0,
			320, 222, "Prova degli oscilloscopi", "MS Sans Serif", 8, s_items, sizeof s_items / sizeof s_items[0], 0},
	};

	class CScopeDemoModule : public CResourceModule
	{
	public:
		CScopeDemoModule() : CResourceModule("scopedemo", TRUE, nullptr, 0)
		{
			SetDialogs(s_dialogs, sizeof s_dialogs / sizeof s_dialogs[0]);
		}
	};

	CScopeDemoModule s_module;
	CResourceModuleRegistration s_registration(&s_module);
}
