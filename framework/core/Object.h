// CObject, the root of the framework's classes, and CRuntimeClass, the per-class record that
// gives run-time type tests and creation of objects by class name.
#pragma once

#include "framework/core/Diagnostics.h"
#include "framework/core/Types.h"

class CObject;
class CArchive;
class CDumpContext;

struct CRuntimeClass
{
	LPCSTR m_lpszClassName;
	int m_nObjectSize;
	UINT m_wSchema;	// 0xFFFF when the class is not serialisable
	CObject* (*m_pfnCreateObject)();
	CRuntimeClass* m_pBaseClass;

	CObject* CreateObject() const;
	BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

	static CRuntimeClass* FromName(LPCSTR lpszClassName);
	static CObject* CreateObject(LPCSTR lpszClassName);
};

// Keeps one class record in the process-wide registry for as long as it lives. IMPLEMENT_ macros
// define one as a static object, so a shared library's classes leave the registry when it unloads.
class CRuntimeClassRegistration
{
public:
	explicit CRuntimeClassRegistration(CRuntimeClass* pClass);
	~CRuntimeClassRegistration();

	CRuntimeClassRegistration(const CRuntimeClassRegistration&) = delete;
	CRuntimeClassRegistration& operator=(const CRuntimeClassRegistration&) = delete;

private:
	CRuntimeClass* m_pClass;
};

class CObject
{
public:
	virtual CRuntimeClass* GetRuntimeClass() const;
	virtual ~CObject();
	virtual void Serialize(CArchive& ar);
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;

	BOOL IsKindOf(const CRuntimeClass* pClass) const;
	BOOL IsSerializable() const;

	static CRuntimeClass classCObject;

protected:
	CObject();
	CObject(const CObject&) = default;
	CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls) \
public: \
	static CRuntimeClass class##cls; \
	CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(cls) \
	DECLARE_DYNAMIC(cls) \
	static CObject* CreateObject();

#define DECLARE_SERIAL(cls) DECLARE_DYNCREATE(cls)

#define IMPLEMENT_RUNTIMECLASS(cls, base, schema, pfnNew) \
	CRuntimeClass cls::class##cls = { #cls, static_cast<int>(sizeof(cls)), schema, pfnNew, RUNTIME_CLASS(base) }; \
	static const CRuntimeClassRegistration s_registration##cls(RUNTIME_CLASS(cls)); \
	CRuntimeClass* cls::GetRuntimeClass() const \
	{ \
		return RUNTIME_CLASS(cls); \
	}

#define IMPLEMENT_DYNAMIC(cls, base) IMPLEMENT_RUNTIMECLASS(cls, base, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(cls, base) \
	CObject* cls::CreateObject() \
	{ \
		return new cls; \
	} \
	IMPLEMENT_RUNTIMECLASS(cls, base, 0xFFFF, cls::CreateObject)

#define IMPLEMENT_SERIAL(cls, base, schema) \
	CObject* cls::CreateObject() \
	{ \
		return new cls; \
	} \
	IMPLEMENT_RUNTIMECLASS(cls, base, schema, cls::CreateObject)
