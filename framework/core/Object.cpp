// CObject's defaults and the process-wide registry of run-time classes.
#include "framework/core/Object.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace
{

struct ClassRegistry
{
	std::mutex mutex;
	std::vector<CRuntimeClass*> classes;
};

// A function-local static, so libraries can register from their own static initialisers
// whatever order the loader runs them in.
ClassRegistry& Registry()
{
	static ClassRegistry registry;
	return registry;
}

}

CObject* CRuntimeClass::CreateObject() const
{
	if (m_pfnCreateObject == nullptr)
		return nullptr;
	return m_pfnCreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
	for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass)
	{
		if (pClass == pBaseClass)
			return TRUE;
	}
	return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
	if (lpszClassName == nullptr)
		return nullptr;
	ClassRegistry& registry = Registry();
	std::lock_guard<std::mutex> lock(registry.mutex);
	for (CRuntimeClass* pClass : registry.classes)
	{
		if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
			return pClass;
	}
	return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
	const CRuntimeClass* pClass = FromName(lpszClassName);
	if (pClass == nullptr)
		return nullptr;
	return pClass->CreateObject();
}

CRuntimeClassRegistration::CRuntimeClassRegistration(CRuntimeClass* pClass)
	: m_pClass(pClass)
{
	ClassRegistry& registry = Registry();
	std::lock_guard<std::mutex> lock(registry.mutex);
	registry.classes.push_back(pClass);
}

CRuntimeClassRegistration::~CRuntimeClassRegistration()
{
	ClassRegistry& registry = Registry();
	std::lock_guard<std::mutex> lock(registry.mutex);
	std::vector<CRuntimeClass*>& classes = registry.classes;
	// The newest registration of the record goes, in case a class was registered twice.
	auto it = std::find(classes.rbegin(), classes.rend(), m_pClass);
	if (it != classes.rend())
		classes.erase(std::next(it).base());
}

CRuntimeClass CObject::classCObject = { "CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, nullptr };
static const CRuntimeClassRegistration s_registrationCObject(RUNTIME_CLASS(CObject));

CObject::CObject() = default;

CObject::~CObject() = default;

CRuntimeClass* CObject::GetRuntimeClass() const
{
	return RUNTIME_CLASS(CObject);
}

void CObject::Serialize(CArchive&)
{
}

void CObject::AssertValid() const
{
}

void CObject::Dump(CDumpContext&) const
{
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
	if (pClass == nullptr)
		return FALSE;
	return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
	return GetRuntimeClass()->m_wSchema != 0xFFFF;
}
