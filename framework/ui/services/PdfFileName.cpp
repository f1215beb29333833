// PDF file names for documents printed without a printer.
#include "framework/ui/services/PdfFileName.h"

namespace
{

CString FileTitle(const CString& strDocName)
{
	CString strTitle = strDocName;
	for (int i = 0; i < strTitle.GetLength(); ++i)
	{
		unsigned char ch = static_cast<unsigned char>(strTitle[i]);
		if (ch == '/' || ch == '\\' || ch < ' ')
		{
			strTitle.SetAt(i, '-');
		}
	}
	strTitle.TrimLeft();
	strTitle.TrimRight();
	if (strTitle.GetLength() > 4 && strTitle.Right(4).CompareNoCase(".pdf") == 0)
	{
		strTitle = strTitle.Left(strTitle.GetLength() - 4);
	}
	// "." and ".." name folders, not files.
	if (strTitle.IsEmpty() || strTitle == "." || strTitle == "..")
	{
		strTitle = "Documento";
	}
	return strTitle;
}

}

CString UniquePdfPath(const CString& strFolder, const CString& strDocName,
	const std::function<bool(const CString&)>& fnExists)
{
	CString strBase = strFolder;
	if (strBase.IsEmpty() || strBase[strBase.GetLength() - 1] != '/')
	{
		strBase += '/';
	}
	strBase += FileTitle(strDocName);
	CString strPath = strBase + ".pdf";
	for (int nCopy = 2; fnExists(strPath); ++nCopy)
	{
		strPath.Format("%s (%d).pdf", static_cast<LPCTSTR>(strBase), nCopy);
	}
	return strPath;
}
