// Resource modules: each deliverable (the program, the library sigkit) describes its resources
// as C++ data in one module, and the modules form a chain that lookups search by id.
#pragma once

#include "framework/core/Types.h"

#include <cstddef>

struct StringResource
{
	UINT nID;
	LPCSTR lpszText;	// UTF-8
};

class CResourceModule
{
public:
	CResourceModule(LPCSTR lpszName, BOOL bApplication, const StringResource* pStrings, size_t nStrings);

	LPCSTR GetName() const;
	BOOL IsApplication() const;

	LPCSTR FindString(UINT nID) const;

	CResourceModule(const CResourceModule&) = delete;
	CResourceModule& operator=(const CResourceModule&) = delete;

private:
	LPCSTR m_lpszName;
	BOOL m_bApplication;
	const StringResource* m_pStrings;
	size_t m_nStrings;
};

// The chain lists application modules first, then extension modules in the order they joined.
void AfxAddResourceModule(CResourceModule* pModule);
void AfxRemoveResourceModule(CResourceModule* pModule);
LPCSTR AfxFindStringResource(UINT nID);

// A static object of this class in a library keeps the library's module in the chain for as
// long as the library is loaded.
class CResourceModuleRegistration
{
public:
	explicit CResourceModuleRegistration(CResourceModule* pModule);
	~CResourceModuleRegistration();

	CResourceModuleRegistration(const CResourceModuleRegistration&) = delete;
	CResourceModuleRegistration& operator=(const CResourceModuleRegistration&) = delete;

private:
	CResourceModule* m_pModule;
};
