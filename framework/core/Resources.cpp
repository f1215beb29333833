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

template <class ENTRY>
const ENTRY* FindEntry(const ENTRY* pEntries, size_t nEntries, UINT nID)
{
	if (pEntries == nullptr)
		return nullptr;
	const ENTRY* pEnd = pEntries + nEntries;
	const ENTRY* pFound = std::find_if(pEntries, pEnd, [nID](const ENTRY& entry)
	{
		return entry.nID == nID;
	});
	return pFound != pEnd ? pFound : nullptr;
}

}

CResourceModule::CResourceModule(LPCSTR lpszName, BOOL bApplication, const StringResource* pStrings, size_t nStrings)
	: m_lpszName(lpszName), m_bApplication(bApplication), m_pStrings(pStrings), m_nStrings(nStrings),
	m_pBitmaps(nullptr), m_nBitmaps(0), m_pIcons(nullptr), m_nIcons(0), m_pDialogs(nullptr), m_nDialogs(0),
	m_pMenus(nullptr), m_nMenus(0), m_pToolbars(nullptr), m_nToolbars(0)
{
}

void CResourceModule::SetBitmaps(const BinaryResource* pBitmaps, size_t nBitmaps)
{
	m_pBitmaps = pBitmaps;
	m_nBitmaps = nBitmaps;
}

void CResourceModule::SetIcons(const BinaryResource* pIcons, size_t nIcons)
{
	m_pIcons = pIcons;
	m_nIcons = nIcons;
}

void CResourceModule::SetDialogs(const DialogTemplate* pDialogs, size_t nDialogs)
{
	m_pDialogs = pDialogs;
	m_nDialogs = nDialogs;
}

void CResourceModule::SetMenus(const MenuTemplate* pMenus, size_t nMenus)
{
	m_pMenus = pMenus;
	m_nMenus = nMenus;
}

void CResourceModule::SetToolbars(const ToolbarTemplate* pToolbars, size_t nToolbars)
{
	m_pToolbars = pToolbars;
	m_nToolbars = nToolbars;
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
	const StringResource* pFound = FindEntry(m_pStrings, m_nStrings, nID);
	return pFound != nullptr ? pFound->lpszText : nullptr;
}

const BinaryResource* CResourceModule::FindBitmap(UINT nID) const
{
	return FindEntry(m_pBitmaps, m_nBitmaps, nID);
}

const BinaryResource* CResourceModule::FindIcon(UINT nID) const
{
	return FindEntry(m_pIcons, m_nIcons, nID);
}

const DialogTemplate* CResourceModule::FindDialog(UINT nID) const
{
	return FindEntry(m_pDialogs, m_nDialogs, nID);
}

const MenuTemplate* CResourceModule::FindMenu(UINT nID) const
{
	return FindEntry(m_pMenus, m_nMenus, nID);
}

const ToolbarTemplate* CResourceModule::FindToolbar(UINT nID) const
{
	return FindEntry(m_pToolbars, m_nToolbars, nID);
}

BOOL CResourceModule::HasResource(ResourceKind kind, UINT nID) const
{
	switch (kind)
	{
	case ResourceKind::String:
		return FindString(nID) != nullptr;
	case ResourceKind::Bitmap:
		return FindBitmap(nID) != nullptr;
	case ResourceKind::Icon:
		return FindIcon(nID) != nullptr;
	case ResourceKind::Dialog:
		return FindDialog(nID) != nullptr;
	case ResourceKind::Menu:
		return FindMenu(nID) != nullptr;
	case ResourceKind::Toolbar:
		return FindToolbar(nID) != nullptr;
	}
	return FALSE;
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

CResourceModule* AfxFindResourceModule(ResourceKind kind, UINT nID)
{
	ModuleChain& chain = Chain();
	std::lock_guard<std::mutex> lock(chain.mutex);
	for (CResourceModule* pModule : chain.modules)
	{
		if (pModule->HasResource(kind, nID))
			return pModule;
	}
	return nullptr;
}

LPCSTR AfxFindStringResource(UINT nID)
{
	const CResourceModule* pModule = AfxFindResourceModule(ResourceKind::String, nID);
	return pModule != nullptr ? pModule->FindString(nID) : nullptr;
}

const BinaryResource* AfxFindBitmapResource(UINT nID)
{
	const CResourceModule* pModule = AfxFindResourceModule(ResourceKind::Bitmap, nID);
	return pModule != nullptr ? pModule->FindBitmap(nID) : nullptr;
}

const BinaryResource* AfxFindIconResource(UINT nID)
{
	const CResourceModule* pModule = AfxFindResourceModule(ResourceKind::Icon, nID);
	return pModule != nullptr ? pModule->FindIcon(nID) : nullptr;
}

const DialogTemplate* AfxFindDialogTemplate(UINT nID)
{
	const CResourceModule* pModule = AfxFindResourceModule(ResourceKind::Dialog, nID);
	return pModule != nullptr ? pModule->FindDialog(nID) : nullptr;
}

const MenuTemplate* AfxFindMenuTemplate(UINT nID)
{
	const CResourceModule* pModule = AfxFindResourceModule(ResourceKind::Menu, nID);
	return pModule != nullptr ? pModule->FindMenu(nID) : nullptr;
}

const ToolbarTemplate* AfxFindToolbarTemplate(UINT nID)
{
	const CResourceModule* pModule = AfxFindResourceModule(ResourceKind::Toolbar, nID);
	return pModule != nullptr ? pModule->FindToolbar(nID) : nullptr;
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
