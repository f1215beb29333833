// CString: the framework's 8-bit string with value semantics. Text is UTF-8; case changes and
// trimming touch ASCII only, so accented letters pass through unchanged.
#pragma once

#include "framework/core/Types.h"

#include <cstdarg>
#include <string>

class CString
{
public:
	CString();
	CString(const CString& stringSrc);
	CString(LPCSTR lpsz);
	CString(LPCSTR lpch, int nLength);
	CString(char ch, int nRepeat = 1);
	~CString();

	CString& operator=(const CString& stringSrc);
	CString& operator=(LPCSTR lpsz);
	CString& operator=(char ch);

	int GetLength() const;
	BOOL IsEmpty() const;
	void Empty();

	operator LPCTSTR() const;

	char GetAt(int nIndex) const;
	void SetAt(int nIndex, char ch);
	char operator[](int nIndex) const;

	CString& operator+=(const CString& string);
	CString& operator+=(LPCSTR lpsz);
	CString& operator+=(char ch);

	int Compare(LPCSTR lpsz) const;
	int CompareNoCase(LPCSTR lpsz) const;

	// Out-of-range positions and counts are clamped to the string, as on Windows.
	CString Mid(int nFirst) const;
	CString Mid(int nFirst, int nCount) const;
	CString Left(int nCount) const;
	CString Right(int nCount) const;
	CString SpanIncluding(LPCSTR lpszCharSet) const;
	CString SpanExcluding(LPCSTR lpszCharSet) const;

	int Find(char ch) const;
	int Find(LPCSTR lpszSub) const;
	int Find(char ch, int nStart) const;
	int Find(LPCSTR lpszSub, int nStart) const;
	int ReverseFind(char ch) const;

	void MakeUpper();
	void MakeLower();
	void TrimLeft();
	void TrimRight();
	void TrimLeft(char chTarget);
	void TrimRight(char chTarget);

	int Replace(char chOld, char chNew);
	int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
	int Remove(char ch);
	int Insert(int nIndex, char ch);
	int Insert(int nIndex, LPCSTR lpsz);
	int Delete(int nIndex, int nCount = 1);

	void Format(LPCSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));
	void FormatV(LPCSTR lpszFormat, va_list argList) __attribute__((format(printf, 2, 0)));

	// The buffer holds at least nMinLength characters plus a terminating NUL; ReleaseBuffer
	// with -1 takes the length up to the first NUL.
	LPTSTR GetBuffer(int nMinLength);
	void ReleaseBuffer(int nNewLength = -1);
	LPTSTR GetBufferSetLength(int nNewLength);

	BOOL LoadString(UINT nID);

private:
	std::string m_str;
};

CString operator+(const CString& string1, const CString& string2);
CString operator+(const CString& string, LPCSTR lpsz);
CString operator+(LPCSTR lpsz, const CString& string);
CString operator+(const CString& string, char ch);
CString operator+(char ch, const CString& string);

bool operator==(const CString& s1, const CString& s2);
bool operator==(const CString& s1, LPCSTR s2);
bool operator==(LPCSTR s1, const CString& s2);
bool operator!=(const CString& s1, const CString& s2);
bool operator!=(const CString& s1, LPCSTR s2);
bool operator!=(LPCSTR s1, const CString& s2);
bool operator<(const CString& s1, const CString& s2);
bool operator<(const CString& s1, LPCSTR s2);
bool operator<(LPCSTR s1, const CString& s2);
bool operator>(const CString& s1, const CString& s2);
bool operator>(const CString& s1, LPCSTR s2);
bool operator>(LPCSTR s1, const CString& s2);
bool operator<=(const CString& s1, const CString& s2);
bool operator<=(const CString& s1, LPCSTR s2);
bool operator<=(LPCSTR s1, const CString& s2);
bool operator>=(const CString& s1, const CString& s2);
bool operator>=(const CString& s1, LPCSTR s2);
bool operator>=(LPCSTR s1, const CString& s2);
