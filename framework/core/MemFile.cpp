// CMemFile: reading, writing and growing a file held in a malloc'd or attached buffer.
#include "framework/core/MemFile.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
	: m_lpBuffer(nullptr), m_nBufferSize(0), m_nFileSize(0), m_nPosition(0), m_nGrowBytes(nGrowBytes), m_bOwnsBuffer(FALSE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
	: CMemFile(nGrowBytes)
{
	Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
	Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
	Close();
	m_lpBuffer = lpBuffer;
	m_nBufferSize = nBufferSize;
	m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
	m_nGrowBytes = nGrowBytes;
	m_bOwnsBuffer = FALSE;
}

BYTE* CMemFile::Detach()
{
	BYTE* lpBuffer = m_lpBuffer;
	m_lpBuffer = nullptr;
	m_bOwnsBuffer = FALSE;
	Close();
	return lpBuffer;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
	if (m_nPosition >= m_nFileSize)
		return 0;
	const size_t nRead = std::min(static_cast<size_t>(nCount), m_nFileSize - m_nPosition);
	std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
	m_nPosition += nRead;
	return static_cast<UINT>(nRead);
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
	if (nCount == 0)
		return;
	const ULONGLONG nEnd = static_cast<ULONGLONG>(m_nPosition) + nCount;
	EnsureCapacity(nEnd);
	ExtendTo(m_nPosition);
	std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
	m_nPosition = static_cast<size_t>(nEnd);
	m_nFileSize = std::max(m_nFileSize, m_nPosition);
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
	LONGLONG nBase = 0;
	if (nFrom == current)
		nBase = static_cast<LONGLONG>(m_nPosition);
	else if (nFrom == end)
		nBase = static_cast<LONGLONG>(m_nFileSize);
	else if (nFrom != begin)
		AfxThrowFileException(CFileException::badSeek, EINVAL);
	// Past the end is allowed, as for a disk file: the next write fills the gap with zeros.
	if (lOff < -nBase || lOff > std::numeric_limits<LONGLONG>::max() - nBase)
		AfxThrowFileException(CFileException::badSeek, EINVAL);
	m_nPosition = static_cast<size_t>(nBase + lOff);
	return m_nPosition;
}

ULONGLONG CMemFile::GetLength() const
{
	return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
	EnsureCapacity(dwNewLen);
	const size_t nNewLen = static_cast<size_t>(dwNewLen);
	ExtendTo(nNewLen);
	m_nFileSize = nNewLen;
	m_nPosition = std::min(m_nPosition, m_nFileSize);
}

ULONGLONG CMemFile::GetPosition() const
{
	return m_nPosition;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
	if (m_bOwnsBuffer)
		std::free(m_lpBuffer);
	m_lpBuffer = nullptr;
	m_nBufferSize = 0;
	m_nFileSize = 0;
	m_nPosition = 0;
	m_bOwnsBuffer = FALSE;
}

void CMemFile::Abort()
{
	Close();
}

const BYTE* CMemFile::GetBytes() const
{
	return m_lpBuffer;
}

void CMemFile::EnsureCapacity(ULONGLONG nNeeded)
{
	if (nNeeded <= m_nBufferSize)
		return;
	// A buffer attached without room to grow is a full medium, like a full disk.
	if (m_nGrowBytes == 0)
		AfxThrowFileException(CFileException::diskFull, ENOSPC);
	if (nNeeded > std::numeric_limits<size_t>::max() - m_nGrowBytes)
		AfxThrowMemoryException();
	const size_t nNewSize = static_cast<size_t>((nNeeded + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes);

	BYTE* lpNew = static_cast<BYTE*>(m_bOwnsBuffer ? std::realloc(m_lpBuffer, nNewSize) : std::malloc(nNewSize));
	if (lpNew == nullptr)
		AfxThrowMemoryException();
	if (!m_bOwnsBuffer && m_nFileSize > 0)
		std::memcpy(lpNew, m_lpBuffer, m_nFileSize);
	m_lpBuffer = lpNew;
	m_nBufferSize = nNewSize;
	m_bOwnsBuffer = TRUE;
}

void CMemFile::ExtendTo(size_t nNewSize)
{
	if (nNewSize > m_nFileSize)
		std::memset(m_lpBuffer + m_nFileSize, 0, nNewSize - m_nFileSize);
}
