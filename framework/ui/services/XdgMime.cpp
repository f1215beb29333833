// Reading the answers of xdg-mime.
#include "framework/ui/services/XdgMime.h"

namespace
{

CString FirstLine(const CString& strOutput)
{
	int nEnd = strOutput.Find('\n');
	CString strLine = nEnd >= 0 ? strOutput.Left(nEnd) : strOutput;
	strLine.TrimLeft();
	strLine.TrimRight();
	return strLine;
}

bool HasSpace(const CString& str)
{
	return str.Find(' ') >= 0 || str.Find('\t') >= 0;
}

}

CString ParseMimeType(const CString& strOutput)
{
	CString strType = FirstLine(strOutput);
	int nParameters = strType.Find(';');
	if (nParameters >= 0)
	{
		strType = strType.Left(nParameters);
		strType.TrimRight();
	}
	int nSlash = strType.Find('/');
	if (nSlash <= 0 || nSlash == strType.GetLength() - 1 || strType.Find('/', nSlash + 1) >= 0 || HasSpace(strType))
	{
		return CString();
	}
	return strType;
}

CString ParseDesktopEntry(const CString& strOutput)
{
	CString strEntry = FirstLine(strOutput);
	const int nSuffix = 8;	// ".desktop"
	if (strEntry.GetLength() <= nSuffix || strEntry.Right(nSuffix) != ".desktop" || HasSpace(strEntry)
		|| strEntry.Find('/') >= 0)
	{
		return CString();
	}
	return strEntry;
}
