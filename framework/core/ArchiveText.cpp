// CArchive's text lines: ReadString accepts both "\n" and "\r\n" line ends.
#include "framework/core/Archive.h"

#include <cstring>

BOOL CArchive::ReadString(CString& rString)
{
	CheckLoading();
	rString.Empty();
	if (m_lpBufCur == m_lpBufMax && FillBuffer() == 0)
		return FALSE;
	for (;;)
	{
		BYTE* pNewline = static_cast<BYTE*>(std::memchr(m_lpBufCur, '\n', static_cast<size_t>(m_lpBufMax - m_lpBufCur)));
		BYTE* pEnd = pNewline != nullptr ? pNewline : m_lpBufMax;
		rString += CString(reinterpret_cast<LPCSTR>(m_lpBufCur), static_cast<int>(pEnd - m_lpBufCur));
		if (pNewline != nullptr)
		{
			m_lpBufCur = pNewline + 1;
			// The '\r' may have come with an earlier buffer, so it is taken off the whole line.
			const int nLength = rString.GetLength();
			if (nLength > 0 && rString[nLength - 1] == '\r')
				rString.Delete(nLength - 1);
			return TRUE;
		}
		m_lpBufCur = m_lpBufMax;
		if (FillBuffer() == 0)
			return TRUE;
	}
}

LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax)
{
	CheckLoading();
	if (m_lpBufCur == m_lpBufMax && FillBuffer() == 0)
		return nullptr;
	UINT nLength = 0;
	while (nLength < nMax)
	{
		if (m_lpBufCur == m_lpBufMax && FillBuffer() == 0)
			break;
		const char ch = static_cast<char>(*m_lpBufCur++);
		if (ch == '\n')
		{
			if (nLength > 0 && lpsz[nLength - 1] == '\r')
				--nLength;
			break;
		}
		lpsz[nLength++] = ch;
	}
	// A line exactly nMax long still ends here rather than as an empty line on the next call.
	if (nLength == nMax && (m_lpBufCur != m_lpBufMax || FillBuffer() != 0) && *m_lpBufCur == '\n')
	{
		++m_lpBufCur;
		if (nLength > 0 && lpsz[nLength - 1] == '\r')
			--nLength;
	}
	lpsz[nLength] = '\0';
	return lpsz;
}

void CArchive::WriteString(LPCTSTR lpsz)
{
	if (lpsz != nullptr)
		Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}
