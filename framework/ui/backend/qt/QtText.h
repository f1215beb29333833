// The one place where the framework's UTF-8 strings and Qt's strings meet.
#pragma once

#include "framework/core/String.h"

#include <QString>

inline QString ToQString(LPCTSTR lpszText)
{
	return QString::fromUtf8(lpszText != nullptr ? lpszText : "");
}

// nCount bytes of the text, or up to its terminator when nCount is negative.
inline QString ToQString(LPCTSTR lpszText, int nCount)
{
	return lpszText != nullptr ? QString::fromUtf8(lpszText, nCount) : QString();
}

inline CString FromQString(const QString& strText)
{
	return CString(strText.toUtf8().constData());
}
