// CGdiObject, the wrapper of a pen, brush, font, bitmap, palette or region handle, and the
// handle functions of the Windows API that work on any of them.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Object.h"

class CGdiObject : public CObject
{
	DECLARE_DYNAMIC(CGdiObject)

public:
	CGdiObject();
	~CGdiObject() override;

	CGdiObject(const CGdiObject&) = delete;
	CGdiObject& operator=(const CGdiObject&) = delete;

	HGDIOBJ m_hObject;

	HGDIOBJ GetSafeHandle() const;

	// The object attached to the handle, or a temporary one of the handle's class that lives as
	// long as the handle; null for a handle that is not (or no longer) a live object.
	static CGdiObject* FromHandle(HGDIOBJ hObject);

	BOOL Attach(HGDIOBJ hObject);
	HGDIOBJ Detach();
	// Stock objects survive: deleting one only detaches it, as on Windows.
	BOOL DeleteObject();

	BOOL CreateStockObject(int nIndex);
	// Copies the logical record (LOGPEN, LOGBRUSH, LOGFONT, BITMAP) or, for a palette, the entry
	// count as a WORD; returns the bytes written, or the size needed when lpObject is null.
	int GetObject(int nCount, LPVOID lpObject) const;
	UINT GetObjectType() const;
};

HGDIOBJ GetStockObject(int nIndex);
BOOL DeleteObject(HGDIOBJ hObject);
int GetObject(HGDIOBJ hObject, int nCount, LPVOID lpObject);
UINT GetObjectType(HGDIOBJ hObject);
