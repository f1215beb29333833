// sigkit's resource module: joins the framework's chain when the library is loaded and
// leaves it when the library is unloaded.
#include "framework/core/Resources.h"
#include "sigkit/resources/SigkitResourceIds.h"

namespace
{
	const StringResource s_strings[] = {
		{AFX_IDS_IDLEMESSAGE, "Pronto"},
	};

	CResourceModule s_module("sigkit", FALSE, s_strings, sizeof s_strings / sizeof s_strings[0]);
	CResourceModuleRegistration s_registration(&s_module);
}
