// The framework's own resource module: the standard texts programs take for their file dialogs.
#include "framework/core/FrameworkStringIds.h"
#include "framework/core/Resources.h"

namespace
{
	const StringResource s_strings[] = {
		{AFX_IDS_SAVEFILE, "Salva con nome"},
		{AFX_IDS_ALLFILTER, "Tutti i file (*.*)"},
	};

	CResourceModule s_module("framework", FALSE, s_strings, sizeof s_strings / sizeof s_strings[0]);
	CResourceModuleRegistration s_registration(&s_module);
}
