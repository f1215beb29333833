// CFile on POSIX descriptors; errno values become CFileException causes.
#include "framework/core/File.h"

#include "framework/core/Exceptions.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace
{

CString AbsolutePath(LPCTSTR lpszFileName)
{
	std::error_code error;
	const std::filesystem::path path = std::filesystem::absolute(lpszFileName, error);
	if (error)
		return CString(lpszFileName);
	return CString(path.lexically_normal().c_str());
}

// POSIX says ENOENT both for a missing file and a missing folder; Windows tells them apart,
// and the messages the system shows do too.
int CauseOfOpenError(const CString& strPath, int nErrno)
{
	if (nErrno == ENOENT)
	{
		struct stat folderStatus;
		const std::filesystem::path folder = std::filesystem::path(static_cast<LPCTSTR>(strPath)).parent_path();
		if (::stat(folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode))
			return CFileException::badPath;
	}
	return CFileException::OsErrorToException(nErrno);
}

}

CFile::CFile()
	: m_hFile(hFileNull)
{
}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags)
	: m_hFile(hFileNull)
{
	CFileException error;
	if (!Open(lpszFileName, nOpenFlags, &error))
		throw error;
}

CFile::~CFile()
{
	if (m_hFile != hFileNull)
		Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
	ASSERT(m_hFile == hFileNull);
	const CString strPath = AbsolutePath(lpszFileName != nullptr ? lpszFileName : "");

	int nFlags = O_CLOEXEC;
	int nErrno = 0;
	switch (nOpenFlags & 3)
	{
	case modeRead:
		nFlags |= O_RDONLY;
		break;
	case modeWrite:
		nFlags |= O_WRONLY;
		break;
	case modeReadWrite:
		nFlags |= O_RDWR;
		break;
	default:
		nErrno = EINVAL;
		break;
	}
	if (nOpenFlags & modeCreate)
		nFlags |= (nOpenFlags & modeNoTruncate) ? O_CREAT : O_CREAT | O_TRUNC;

	int hFile = hFileNull;
	if (nErrno == 0)
	{
		do
		{
			hFile = ::open(strPath, nFlags, 0666);
		}
		while (hFile < 0 && errno == EINTR);
		if (hFile < 0)
			nErrno = errno;
	}
	// Windows refuses to open a folder as a file; POSIX lets a read-only open through.
	struct stat status;
	if (hFile >= 0 && ::fstat(hFile, &status) == 0 && S_ISDIR(status.st_mode))
	{
		::close(hFile);
		hFile = hFileNull;
		nErrno = EISDIR;
	}

	if (nErrno != 0)
	{
		if (pError != nullptr)
			*pError = CFileException(CauseOfOpenError(strPath, nErrno), nErrno, strPath);
		return FALSE;
	}
	m_hFile = hFile;
	m_strFilePath = strPath;
	return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
	BYTE* pDest = static_cast<BYTE*>(lpBuf);
	UINT nDone = 0;
	while (nDone < nCount)
	{
		const ssize_t nRead = ::read(m_hFile, pDest + nDone, nCount - nDone);
		if (nRead < 0)
		{
			if (errno == EINTR)
				continue;
			ThrowOsError(errno);
		}
		if (nRead == 0)
			break;
		nDone += static_cast<UINT>(nRead);
	}
	return nDone;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
	const BYTE* pSource = static_cast<const BYTE*>(lpBuf);
	UINT nDone = 0;
	while (nDone < nCount)
	{
		const ssize_t nWritten = ::write(m_hFile, pSource + nDone, nCount - nDone);
		if (nWritten < 0)
		{
			if (errno == EINTR)
				continue;
			ThrowOsError(errno);
		}
		// A regular file that takes nothing has no room left.
		if (nWritten == 0)
			ThrowOsError(ENOSPC);
		nDone += static_cast<UINT>(nWritten);
	}
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
	static const int s_whence[] = { SEEK_SET, SEEK_CUR, SEEK_END };
	if (nFrom > end)
		AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFilePath);
	const off_t nPos = ::lseek(m_hFile, static_cast<off_t>(lOff), s_whence[nFrom]);
	if (nPos < 0)
	{
		// EINVAL here means a position before the start of the file.
		if (errno == EINVAL)
			AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFilePath);
		ThrowOsError(errno);
	}
	return static_cast<ULONGLONG>(nPos);
}

void CFile::SeekToBegin()
{
	Seek(0, begin);
}

ULONGLONG CFile::SeekToEnd()
{
	return Seek(0, end);
}

ULONGLONG CFile::GetLength() const
{
	struct stat status;
	if (::fstat(m_hFile, &status) != 0)
		ThrowOsError(errno);
	return static_cast<ULONGLONG>(status.st_size);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
	if (::ftruncate(m_hFile, static_cast<off_t>(dwNewLen)) != 0)
		ThrowOsError(errno);
}

ULONGLONG CFile::GetPosition() const
{
	const off_t nPos = ::lseek(m_hFile, 0, SEEK_CUR);
	if (nPos < 0)
		ThrowOsError(errno);
	return static_cast<ULONGLONG>(nPos);
}

void CFile::Flush()
{
	// Descriptors that cannot be synchronised (pipes, terminals) answer EINVAL: nothing to flush.
	if (::fsync(m_hFile) != 0 && errno != EINVAL)
		ThrowOsError(errno);
}

void CFile::Close()
{
	if (m_hFile == hFileNull)
		return;
	const int hFile = m_hFile;
	const CString strPath = m_strFilePath;
	m_hFile = hFileNull;
	m_strFilePath.Empty();
	// Linux releases the descriptor even when close reports EINTR, so it is not retried.
	if (::close(hFile) != 0 && errno != EINTR)
	{
		const int nErrno = errno;
		AfxThrowFileException(CFileException::OsErrorToException(nErrno), nErrno, strPath);
	}
}

void CFile::Abort()
{
	if (m_hFile != hFileNull)
		::close(m_hFile);
	m_hFile = hFileNull;
	m_strFilePath.Empty();
}

CString CFile::GetFilePath() const
{
	return m_strFilePath;
}

CString CFile::GetFileName() const
{
	return m_strFilePath.Mid(m_strFilePath.ReverseFind('/') + 1);
}

void CFile::ThrowOsError(int nErrno) const
{
	AfxThrowFileException(CFileException::OsErrorToException(nErrno), nErrno, m_strFilePath);
}
