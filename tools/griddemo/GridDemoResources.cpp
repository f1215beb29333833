// The grid demonstration's resource module: one resizable dialog the grid fills.
#include "tools/griddemo/GridDemoResources.h"

#include "framework/core/DialogTemplate.h"
#include "framework/core/Resources.h"
#include "framework/core/ControlConstants.h"
#include "framework/core/WinConstants.h"

namespace
{
const DialogTemplate s_dialogs[] = {
	{IDD_GRID_DEMO,
		WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_VISIBLE | DS_CENTER
			| DS_SETFONT,
		0, 0, 0, 360, 240, "Prova della griglia", "MS Sans Serif", 8, nullptr, 0, 0},
};

class GridDemoModule : public CResourceModule
{
public:
	GridDemoModule() : CResourceModule("griddemo", TRUE, nullptr, 0)
	{
		SetDialogs(s_dialogs, sizeof s_dialogs / sizeof s_dialogs[0]);
	}
};

GridDemoModule s_module;
CResourceModuleRegistration s_registration(&s_module);
} // namespace
