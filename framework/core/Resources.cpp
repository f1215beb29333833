// Resource modules and the process-wide chain they are searched in.
#include "framework/core/Resources.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace
{

struct ModuleChain
{
	std::mutex mutex;
	std::vector<CResourceModule*> modules;
};

// A function-local static, so libraries can join from their own static initialisers whatever
// order the loader runs them in.
ModuleChain& Chain()
{
	static ModuleChain chain;
	return chain;
}

}

CResourceModule::CResourceModule(LPCSTR lpszName, BOOL bApplication, const StringResource* pStrings, size_t nStrings)
	: m_lpszName(lpszName), m_bApplication(bApplication), m_pStrings(pStrings), m_nStrings(nStrings)
{
}

LPCSTR CResourceModule::GetName() const
{
	return m_lpszName;
}

BOOL CResourceModule::IsApplication() const
{
	return m_bApplication;
}

LPCSTR CResourceModule::FindString(UINT nID) const
{
	const StringResource* pEnd = m_pStrings + m_nStrings;
	const StringResource* pFound = std::find_if(m_pStrings, pEnd, [nID](const StringResource& entry)
	{
		return entry.nID == nID;
	});
	return pFound != pEnd ? pFound->lpszText : nullptr;
}

void AfxAddResourceModule(CResourceModule* pModule)
{
	ModuleChain& chain = Chain();
	std::lock_guard<std::mutex> lock(chain.mutex);
	std::vector<CResourceModule*>& modules = chain.modules;
	if (pModule == nullptr || std::find(modules.begin(), modules.end(), pModule) != modules.end())
		return;
	if (pModule->IsApplication())
	{
		// After the application modules already there, ahead of every extension module.
		auto it = std::find_if(modules.begin(), modules.end(), [](const CResourceModule* pOther)
		{
			return !pOther->IsApplication();
		});
		modules.insert(it, pModule);
	}
	else
	{
		modules.push_back(pModule);
	}
}

void AfxRemoveResourceModule(CResourceModule* pModule)
{
	ModuleChain& chain = Chain();
	std::lock_guard<std::mutex> lock(chain.mutex);
	std::vector<CResourceModule*>& modules = chain.modules;
	modules.erase(std::remove(modules.begin(), modules.end(), pModule), modules.end());
}

LPCSTR AfxFindStringResource(UINT nID)
{
	ModuleChain& chain = Chain();
	std::lock_guard<std::mutex> lock(chain.mutex);
	for (const CResourceModule* pModule : chain.modules)
	{
		if (LPCSTR lpszText = pModule->FindString(nID))
			return lpszText;
	}
	return nullptr;
}

CResourceModuleRegistration::CResourceModuleRegistration(CResourceModule* pModule)
	: m_pModule(pModule)
{
	AfxAddResourceModule(m_pModule);
}

CResourceModuleRegistration::~CResourceModuleRegistration()
{
	AfxRemoveResourceModule(m_pModule);
}
