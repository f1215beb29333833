// CDumpContext: formats values as text for the diagnostic dumps.
#include "framework/core/DumpContext.h"

#include "framework/core/File.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

CDumpContext::CDumpContext(CFile* pFile)
	: m_pFile(pFile)
{
}

CDumpContext& CDumpContext::operator<<(LPCSTR lpsz)
{
	OutputString(lpsz != nullptr ? lpsz : "(null)");
	return *this;
}

CDumpContext& CDumpContext::operator<<(const void* lp)
{
	char text[32];
	std::snprintf(text, sizeof(text), "%p", lp);
	OutputString(text);
	return *this;
}

CDumpContext& CDumpContext::operator<<(int n)
{
	char text[16];
	std::snprintf(text, sizeof(text), "%d", n);
	OutputString(text);
	return *this;
}

CDumpContext& CDumpContext::operator<<(unsigned u)
{
	char text[16];
	std::snprintf(text, sizeof(text), "%u", u);
	OutputString(text);
	return *this;
}

CDumpContext& CDumpContext::operator<<(LONGLONG n)
{
	char text[32];
	std::snprintf(text, sizeof(text), "%" PRId64, n);
	OutputString(text);
	return *this;
}

CDumpContext& CDumpContext::operator<<(ULONGLONG n)
{
	char text[32];
	std::snprintf(text, sizeof(text), "%" PRIu64, n);
	OutputString(text);
	return *this;
}

CDumpContext& CDumpContext::operator<<(double d)
{
	char text[64];
	std::snprintf(text, sizeof(text), "%.17g", d);
	OutputString(text);
	return *this;
}

void CDumpContext::Flush()
{
	if (m_pFile != nullptr)
		m_pFile->Flush();
	else
		std::fflush(stderr);
}

void CDumpContext::OutputString(LPCSTR lpsz)
{
	if (m_pFile != nullptr)
		m_pFile->Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
	else
		std::fputs(lpsz, stderr);
}
