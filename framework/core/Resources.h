// Resource modules: each deliverable (the program, the library sigkit) describes its resources
// as C++ data in one module, and the modules form a chain that lookups search by id.
#pragma once

#include "framework/core/DialogTemplate.h"
#include "framework/core/MenuTemplate.h"
#include "framework/core/ToolbarTemplate.h"
#include "framework/core/Types.h"

#include <cstddef>

struct StringResource
{
	UINT nID;
	LPCSTR lpszText;	// UTF-8
};

// The bytes of a picture file (.bmp, .ico) embedded at build time.
struct BinaryResource
{
	UINT nID;
	const BYTE* pData;
	size_t nSize;
};

// The tables a module may hold; ids are unique within one table, not across tables.
enum class ResourceKind
{
	String,
	Bitmap,
	Icon,
	Dialog,
	Menu,
	Toolbar,
};

class CResourceModule
{
public:
	CResourceModule(LPCSTR lpszName, BOOL bApplication, const StringResource* pStrings, size_t nStrings);

	LPCSTR GetName() const;
	BOOL IsApplication() const;

	// The tables are static data owned by the deliverable; set them before the module joins
	// the chain.
	void SetBitmaps(const BinaryResource* pBitmaps, size_t nBitmaps);
	void SetIcons(const BinaryResource* pIcons, size_t nIcons);
	void SetDialogs(const DialogTemplate* pDialogs, size_t nDialogs);
	void SetMenus(const MenuTemplate* pMenus, size_t nMenus);
	void SetToolbars(const ToolbarTemplate* pToolbars, size_t nToolbars);

	LPCSTR FindString(UINT nID) const;
	const BinaryResource* FindBitmap(UINT nID) const;
	const BinaryResource* FindIcon(UINT nID) const;
	const DialogTemplate* FindDialog(UINT nID) const;
	const MenuTemplate* FindMenu(UINT nID) const;
	const ToolbarTemplate* FindToolbar(UINT nID) const;
	BOOL HasResource(ResourceKind kind, UINT nID) const;

	CResourceModule(const CResourceModule&) = delete;
	CResourceModule& operator=(const CResourceModule&) = delete;

private:
	LPCSTR m_lpszName;
	BOOL m_bApplication;
	const StringResource* m_pStrings;
	size_t m_nStrings;
	const BinaryResource* m_pBitmaps;
	size_t m_nBitmaps;
	const BinaryResource* m_pIcons;
	size_t m_nIcons;
	const DialogTemplate* m_pDialogs;
	size_t m_nDialogs;
	const MenuTemplate* m_pMenus;
	size_t m_nMenus;
	const ToolbarTemplate* m_pToolbars;
	size_t m_nToolbars;
};

// The chain lists application modules first, then extension modules in the order they joined.
void AfxAddResourceModule(CResourceModule* pModule);
void AfxRemoveResourceModule(CResourceModule* pModule);
LPCSTR AfxFindStringResource(UINT nID);
const BinaryResource* AfxFindBitmapResource(UINT nID);
const BinaryResource* AfxFindIconResource(UINT nID);
const DialogTemplate* AfxFindDialogTemplate(UINT nID);
const MenuTemplate* AfxFindMenuTemplate(UINT nID);
const ToolbarTemplate* AfxFindToolbarTemplate(UINT nID);
// The first module in chain order that holds the resource, or nullptr.
CResourceModule* AfxFindResourceModule(ResourceKind kind, UINT nID);

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
