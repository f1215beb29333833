// CDumpContext: where CObject::Dump writes its diagnostic text, a CFile or standard error.
#pragma once

#include "framework/core/Types.h"

class CFile;

class CDumpContext
{
public:
	explicit CDumpContext(CFile* pFile = nullptr);

	CDumpContext(const CDumpContext&) = delete;
	CDumpContext& operator=(const CDumpContext&) = delete;

	CDumpContext& operator<<(LPCSTR lpsz);
	CDumpContext& operator<<(const void* lp);
	CDumpContext& operator<<(int n);
	CDumpContext& operator<<(unsigned u);
	CDumpContext& operator<<(LONGLONG n);
	CDumpContext& operator<<(ULONGLONG n);
	CDumpContext& operator<<(double d);

	void Flush();

private:
	void OutputString(LPCSTR lpsz);

	CFile* m_pFile;
};
