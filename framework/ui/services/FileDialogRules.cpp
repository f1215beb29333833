// Filter lists, path parts and the default extension of the file dialog.
#include "framework/ui/services/FileDialogRules.h"

#include <cstring>

namespace
{

std::vector<CString> SplitPatterns(const CString& strPatterns)
{
	std::vector<CString> patterns;
	int nStart = 0;
	while (nStart <= strPatterns.GetLength())
	{
		int nEnd = strPatterns.Find(';', nStart);
		if (nEnd < 0)
		{
			nEnd = strPatterns.GetLength();
		}
		CString strPattern = strPatterns.Mid(nStart, nEnd - nStart);
		strPattern.TrimLeft();
		strPattern.TrimRight();
		if (!strPattern.IsEmpty())
		{
			patterns.push_back(strPattern);
		}
		nStart = nEnd + 1;
	}
	return patterns;
}

// The extension a pattern gives a file, with its dot; empty for "*", "*.*" or wildcards.
CString PatternExtension(const CString& strPattern)
{
	if (strPattern.GetLength() < 3 || strPattern.Left(2) != "*.")
	{
		return CString();
	}
	CString strExt = strPattern.Mid(1);
	return strExt.Find('*') < 0 && strExt.Find('?') < 0 ? strExt : CString();
}

}

std::vector<FileFilter> ParseFileFilters(LPCTSTR lpstrFilter)
{
	std::vector<FileFilter> filters;
	if (lpstrFilter == nullptr)
	{
		return filters;
	}
	LPCTSTR pCursor = lpstrFilter;
	while (*pCursor != '\0')
	{
		FileFilter filter;
		filter.strCaption = pCursor;
		pCursor += std::strlen(pCursor) + 1;
		filter.patterns = SplitPatterns(pCursor);
		// A caption without patterns ends the list, as it does on Windows.
		if (*pCursor == '\0')
		{
			break;
		}
		pCursor += std::strlen(pCursor) + 1;
		filters.push_back(filter);
	}
	return filters;
}

std::vector<char> FilterFromBars(LPCTSTR lpszFilter)
{
	std::vector<char> buffer;
	if (lpszFilter == nullptr)
	{
		return buffer;
	}
	for (LPCTSTR p = lpszFilter; *p != '\0'; ++p)
	{
		buffer.push_back(*p == '|' ? '\0' : *p);
	}
	buffer.push_back('\0');
	buffer.push_back('\0');
	return buffer;
}

CString PathFileName(const CString& strPath)
{
	return strPath.Mid(strPath.ReverseFind('/') + 1);
}

CString PathFileExt(const CString& strPath)
{
	CString strName = PathFileName(strPath);
	int nDot = strName.ReverseFind('.');
	return nDot > 0 ? strName.Mid(nDot + 1) : CString();
}

CString PathFileTitle(const CString& strPath)
{
	CString strName = PathFileName(strPath);
	int nDot = strName.ReverseFind('.');
	return nDot > 0 ? strName.Left(nDot) : strName;
}

CString PathFolder(const CString& strPath)
{
	int nSlash = strPath.ReverseFind('/');
	if (nSlash < 0)
	{
		return CString();
	}
	return nSlash == 0 ? CString("/") : strPath.Left(nSlash);
}

CString AppendDefaultExtension(const CString& strPath, LPCTSTR lpszDefExt, const FileFilter* pFilter)
{
	if (lpszDefExt == nullptr || !PathFileExt(strPath).IsEmpty() || PathFileName(strPath).IsEmpty())
	{
		return strPath;
	}
	if (pFilter != nullptr && !pFilter->patterns.empty())
	{
		CString strExt = PatternExtension(pFilter->patterns.front());
		if (!strExt.IsEmpty())
		{
			return strPath + strExt;
		}
	}
	CString strDefExt = lpszDefExt;
	strDefExt.TrimLeft('.');
	return strDefExt.IsEmpty() ? strPath : strPath + "." + strDefExt;
}
