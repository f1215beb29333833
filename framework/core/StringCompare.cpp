// CString's relational operators, all defined by CString::Compare (byte order, like strcmp).
#include "framework/core/String.h"

bool operator==(const CString& s1, const CString& s2)
{
	return s1.Compare(s2) == 0;
}

bool operator==(const CString& s1, LPCSTR s2)
{
	return s1.Compare(s2) == 0;
}

bool operator==(LPCSTR s1, const CString& s2)
{
	return s2.Compare(s1) == 0;
}

bool operator!=(const CString& s1, const CString& s2)
{
	return s1.Compare(s2) != 0;
}

bool operator!=(const CString& s1, LPCSTR s2)
{
	return s1.Compare(s2) != 0;
}

bool operator!=(LPCSTR s1, const CString& s2)
{
	return s2.Compare(s1) != 0;
}

bool operator<(const CString& s1, const CString& s2)
{
	return s1.Compare(s2) < 0;
}

bool operator<(const CString& s1, LPCSTR s2)
{
	return s1.Compare(s2) < 0;
}

bool operator<(LPCSTR s1, const CString& s2)
{
	return s2.Compare(s1) > 0;
}

bool operator>(const CString& s1, const CString& s2)
{
	return s1.Compare(s2) > 0;
}

bool operator>(const CString& s1, LPCSTR s2)
{
	return s1.Compare(s2) > 0;
}

bool operator>(LPCSTR s1, const CString& s2)
{
	return s2.Compare(s1) < 0;
}

bool operator<=(const CString& s1, const CString& s2)
{
	return s1.Compare(s2) <= 0;
}

bool operator<=(const CString& s1, LPCSTR s2)
{
	return s1.Compare(s2) <= 0;
}

bool operator<=(LPCSTR s1, const CString& s2)
{
	return s2.Compare(s1) >= 0;
}

bool operator>=(const CString& s1, const CString& s2)
{
	return s1.Compare(s2) >= 0;
}

bool operator>=(const CString& s1, LPCSTR s2)
{
	return s1.Compare(s2) >= 0;
}

bool operator>=(LPCSTR s1, const CString& s2)
{
	return s2.Compare(s1) <= 0;
}
