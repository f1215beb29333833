// sigkit's resource module: joins the framework's chain when the library is loaded and
// leaves it when the library is unloaded.
#include "framework/core/ControlConstants.h"
#include "framework/core/Resources.h"
#include "framework/core/WinConstants.h"
#include "sigkit/resources/SigkitResourceIds.h"

namespace
{
	const StringResource s_strings[] = {
		{AFX_IDS_IDLEMESSAGE, "Pronto"},
		{IDS_FRAME_PRINT_FAILED, "Impossibile stampare il documento.\nOperazione annullata!"},
	};

	// The splash: a centred pop-up without caption holding one sunken picture that takes the
	// bitmap's real size.
	const DialogItemTemplate s_splashItems[] = {
		{"STATIC", "", IDC_SPLASH_BITMAP, WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_REALSIZEIMAGE | SS_SUNKEN, 0, 0, 0, 20,
			20},
	};

	const DialogTemplate s_dialogs[] = {
		{IDD_SPLASH, WS_POPUP | WS_VISIBLE | DS_CENTER | DS_MODALFRAME | DS_SETFONT | DS_SYSMODAL, 0, 0, 0, 192, 118,
			"", "MS Sans Serif", 8, s_splashItems, sizeof s_splashItems / sizeof s_splashItems[0], 0},
	};

	class CSigkitModule : public CResourceModule
	{
	public:
		CSigkitModule() : CResourceModule("sigkit", FALSE, s_strings, sizeof s_strings / sizeof s_strings[0])
		{
			SetDialogs(s_dialogs, sizeof s_dialogs / sizeof s_dialogs[0]);
		}
	};

	CSigkitModule s_module;
	CResourceModuleRegistration s_registration(&s_module);
}
