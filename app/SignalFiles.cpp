// Names and the safe write of signal files.
#include "app/SignalFiles.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "sigkit/signal/Signal.h"

#include <cstdio>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace
{
	constexpr int ARCHIVE_BUFFER_SIZE = 4096;
	const char SIGNAL_EXTENSION[] = ".sig";

	CString FileNamePart(const CString& strPath)
	{
		return strPath.Mid(strPath.ReverseFind('/') + 1);
	}

	// Hidden and named after the target and this process, so two runs never share one.
	CString TemporaryPathFor(const CString& strPath)
	{
		const int nNameStart = strPath.ReverseFind('/') + 1;
		const std::string process = std::to_string(static_cast<long>(getpid()));
		return strPath.Left(nNameStart) + "." + strPath.Mid(nNameStart) + "." + process.c_str() + ".tmp";
	}

	BOOL WriteWholeFile(CSignal& signal, const CString& strPath)
	{
		CFile file;
		if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite))
			return FALSE;
		try
		{
			CArchive ar(&file, CArchive::store, ARCHIVE_BUFFER_SIZE);
			signal.Serialize(ar);
			ar.Close();
			// On disk before the rename: otherwise a crash right after it can leave the new
			// name on an empty file where the earlier one was whole.
			file.Flush();
			file.Close();
			return TRUE;
		}
		catch (const CException&)
		{
			file.Abort();
			return FALSE;
		}
	}

	// The rename lives in the folder's entries, which reach the disk only with the folder. The
	// file is in place by now whatever the sync says, so a failure is not the save's.
	void SyncFolderOf(const CString& strPath)
	{
		const int nNameStart = strPath.ReverseFind('/') + 1;
		const CString strFolder = nNameStart > 0 ? strPath.Left(nNameStart) : CString(".");
		const int hFolder = ::open(strFolder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
		if (hFolder < 0)
			return;
		::fsync(hFolder);
		::close(hFolder);
	}
}

CString WithSignalExtension(const CString& strPath)
{
	const CString strName = FileNamePart(strPath);
	const int nExtension = static_cast<int>(sizeof SIGNAL_EXTENSION) - 1;
	if (strName.GetLength() >= nExtension && strName.Right(nExtension).CompareNoCase(SIGNAL_EXTENSION) == 0)
		return strPath;
	return strPath + SIGNAL_EXTENSION;
}

CString SignalFileTitle(const CString& strPath)
{
	const CString strName = FileNamePart(strPath);
	const int nDot = strName.ReverseFind('.');
	return nDot >= 0 ? strName.Left(nDot) : strName;
}

BOOL WriteSignalFile(CSignal& signal, const CString& strPath)
{
	const CString strTemp = TemporaryPathFor(strPath);
	if (WriteWholeFile(signal, strTemp) && std::rename(strTemp, strPath) == 0)
	{
		SyncFolderOf(strPath);
		return TRUE;
	}
	std::remove(strTemp);
	return FALSE;
}
