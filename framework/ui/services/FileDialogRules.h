// The rules of the file dialog that need no window: filter lists, the parts of a path and the
// default extension.
#pragma once

#include "framework/core/String.h"

#include <vector>

struct FileFilter
{
	CString strCaption;
	std::vector<CString> patterns;	// "*.sig", "*.*", ...
};

// The Windows filter list: caption and patterns (separated by ';') in pairs, each text ended by
// a zero character and the list by a second one. Null gives no filter.
std::vector<FileFilter> ParseFileFilters(LPCTSTR lpstrFilter);
// The framework's form "Signal files (*.sig)|*.sig||" in the Windows form, with its zero characters.
std::vector<char> FilterFromBars(LPCTSTR lpszFilter);

// For "/a/b/prova.sig": "prova.sig", "sig", "prova" and "/a/b". A dot that starts the name
// ("/a/.profile") begins no extension.
CString PathFileName(const CString& strPath);
CString PathFileExt(const CString& strPath);
CString PathFileTitle(const CString& strPath);
CString PathFolder(const CString& strPath);

// The name as saved when the user typed no extension: the selected filter's own extension
// ("*.sig" gives ".sig"; "*.*" has none), else strDefExt. Names with an extension stay as typed.
CString AppendDefaultExtension(const CString& strPath, LPCTSTR lpszDefExt, const FileFilter* pFilter);
