// CString's construction, access, comparison and editing.
#include "framework/core/String.h"

#include "framework/core/Diagnostics.h"
#include "framework/core/Resources.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{

LPCSTR TextOrEmpty(LPCSTR lpsz)
{
	return lpsz != nullptr ? lpsz : "";
}

char AsciiUpper(char ch)
{
	return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

char AsciiLower(char ch)
{
	return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool IsAsciiSpace(char ch)
{
	return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

int Sign(int n)
{
	return (n > 0) - (n < 0);
}

}

CString::CString() = default;

CString::CString(const CString& stringSrc) = default;

CString::CString(LPCSTR lpsz)
	: m_str(TextOrEmpty(lpsz))
{
}

CString::CString(LPCSTR lpch, int nLength)
{
	if (lpch != nullptr && nLength > 0)
		m_str.assign(lpch, static_cast<size_t>(nLength));
}

CString::CString(char ch, int nRepeat)
{
	if (nRepeat > 0)
		m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString::~CString() = default;

CString& CString::operator=(const CString& stringSrc) = default;

CString& CString::operator=(LPCSTR lpsz)
{
	m_str = TextOrEmpty(lpsz);
	return *this;
}

CString& CString::operator=(char ch)
{
	m_str.assign(1, ch);
	return *this;
}

int CString::GetLength() const
{
	return static_cast<int>(m_str.size());
}

BOOL CString::IsEmpty() const
{
	return m_str.empty();
}

void CString::Empty()
{
	m_str.clear();
}

CString::operator LPCTSTR() const
{
	return m_str.c_str();
}

char CString::GetAt(int nIndex) const
{
	ASSERT(nIndex >= 0 && nIndex < GetLength());
	return m_str[static_cast<size_t>(nIndex)];
}

void CString::SetAt(int nIndex, char ch)
{
	ASSERT(nIndex >= 0 && nIndex < GetLength());
	m_str[static_cast<size_t>(nIndex)] = ch;
}

char CString::operator[](int nIndex) const
{
	return GetAt(nIndex);
}

CString& CString::operator+=(const CString& string)
{
	m_str += string.m_str;
	return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
	m_str += TextOrEmpty(lpsz);
	return *this;
}

CString& CString::operator+=(char ch)
{
	m_str += ch;
	return *this;
}

int CString::Compare(LPCSTR lpsz) const
{
	return Sign(std::strcmp(m_str.c_str(), TextOrEmpty(lpsz)));
}

int CString::CompareNoCase(LPCSTR lpsz) const
{
	const unsigned char* p1 = reinterpret_cast<const unsigned char*>(m_str.c_str());
	const unsigned char* p2 = reinterpret_cast<const unsigned char*>(TextOrEmpty(lpsz));
	for (;; ++p1, ++p2)
	{
		const unsigned char c1 = static_cast<unsigned char>(AsciiLower(static_cast<char>(*p1)));
		const unsigned char c2 = static_cast<unsigned char>(AsciiLower(static_cast<char>(*p2)));
		if (c1 != c2)
			return c1 < c2 ? -1 : 1;
		if (c1 == 0)
			return 0;
	}
}

CString CString::Mid(int nFirst) const
{
	return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
	const int nLength = GetLength();
	nFirst = std::clamp(nFirst, 0, nLength);
	nCount = std::clamp(nCount, 0, nLength - nFirst);
	return CString(m_str.c_str() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
	return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
	const int nLength = GetLength();
	nCount = std::clamp(nCount, 0, nLength);
	return Mid(nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
	const size_t nSpan = std::strspn(m_str.c_str(), TextOrEmpty(lpszCharSet));
	return Left(static_cast<int>(nSpan));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
	const size_t nSpan = std::strcspn(m_str.c_str(), TextOrEmpty(lpszCharSet));
	return Left(static_cast<int>(nSpan));
}

int CString::Find(char ch) const
{
	return Find(ch, 0);
}

int CString::Find(LPCSTR lpszSub) const
{
	return Find(lpszSub, 0);
}

int CString::Find(char ch, int nStart) const
{
	if (nStart < 0 || nStart >= GetLength())
		return -1;
	const size_t nPos = m_str.find(ch, static_cast<size_t>(nStart));
	return nPos == std::string::npos ? -1 : static_cast<int>(nPos);
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
	if (nStart < 0 || nStart > GetLength())
		return -1;
	const size_t nPos = m_str.find(TextOrEmpty(lpszSub), static_cast<size_t>(nStart));
	return nPos == std::string::npos ? -1 : static_cast<int>(nPos);
}

int CString::ReverseFind(char ch) const
{
	const size_t nPos = m_str.rfind(ch);
	return nPos == std::string::npos ? -1 : static_cast<int>(nPos);
}

void CString::MakeUpper()
{
	std::transform(m_str.begin(), m_str.end(), m_str.begin(), AsciiUpper);
}

void CString::MakeLower()
{
	std::transform(m_str.begin(), m_str.end(), m_str.begin(), AsciiLower);
}

void CString::TrimLeft()
{
	m_str.erase(m_str.begin(), std::find_if_not(m_str.begin(), m_str.end(), IsAsciiSpace));
}

void CString::TrimRight()
{
	m_str.erase(std::find_if_not(m_str.rbegin(), m_str.rend(), IsAsciiSpace).base(), m_str.end());
}

void CString::TrimLeft(char chTarget)
{
	m_str.erase(0, m_str.find_first_not_of(chTarget));
}

void CString::TrimRight(char chTarget)
{
	const size_t nLast = m_str.find_last_not_of(chTarget);
	m_str.erase(nLast == std::string::npos ? 0 : nLast + 1);
}

int CString::Replace(char chOld, char chNew)
{
	int nCount = 0;
	for (char& ch : m_str)
	{
		if (ch == chOld)
		{
			ch = chNew;
			++nCount;
		}
	}
	return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
	const std::string strOld = TextOrEmpty(lpszOld);
	const std::string strNew = TextOrEmpty(lpszNew);
	if (strOld.empty())
		return 0;
	int nCount = 0;
	for (size_t nPos = m_str.find(strOld); nPos != std::string::npos; nPos = m_str.find(strOld, nPos + strNew.size()))
	{
		m_str.replace(nPos, strOld.size(), strNew);
		++nCount;
	}
	return nCount;
}

int CString::Remove(char ch)
{
	const size_t nOldLength = m_str.size();
	m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
	return static_cast<int>(nOldLength - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
	nIndex = std::clamp(nIndex, 0, GetLength());
	m_str.insert(static_cast<size_t>(nIndex), 1, ch);
	return GetLength();
}

int CString::Insert(int nIndex, LPCSTR lpsz)
{
	nIndex = std::clamp(nIndex, 0, GetLength());
	m_str.insert(static_cast<size_t>(nIndex), TextOrEmpty(lpsz));
	return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
	const int nLength = GetLength();
	nIndex = std::clamp(nIndex, 0, nLength);
	nCount = std::clamp(nCount, 0, nLength - nIndex);
	m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
	return GetLength();
}

void CString::Format(LPCSTR lpszFormat, ...)
{
	va_list argList;
	va_start(argList, lpszFormat);
	FormatV(lpszFormat, argList);
	va_end(argList);
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
	va_list argCopy;
	va_copy(argCopy, argList);
	const int nLength = std::vsnprintf(nullptr, 0, lpszFormat, argCopy);
	va_end(argCopy);
	if (nLength <= 0)
	{
		m_str.clear();
		return;
	}
	std::string strResult(static_cast<size_t>(nLength), '\0');
	std::vsnprintf(&strResult[0], strResult.size() + 1, lpszFormat, argList);
	m_str.swap(strResult);
}

LPTSTR CString::GetBuffer(int nMinLength)
{
	if (nMinLength > GetLength())
		m_str.resize(static_cast<size_t>(nMinLength));
	return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
	if (nNewLength < 0)
		nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
	m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
	m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)));
	return &m_str[0];
}

BOOL CString::LoadString(UINT nID)
{
	const LPCSTR lpszText = AfxFindStringResource(nID);
	m_str = TextOrEmpty(lpszText);
	return lpszText != nullptr;
}

CString operator+(const CString& string1, const CString& string2)
{
	CString result(string1);
	result += string2;
	return result;
}

CString operator+(const CString& string, LPCSTR lpsz)
{
	CString result(string);
	result += lpsz;
	return result;
}

CString operator+(LPCSTR lpsz, const CString& string)
{
	CString result(lpsz);
	result += string;
	return result;
}

CString operator+(const CString& string, char ch)
{
	CString result(string);
	result += ch;
	return result;
}

CString operator+(char ch, const CString& string)
{
	CString result(ch);
	result += string;
	return result;
}
