// CArchive's buffer management and the little-endian encoding of values.
#include "framework/core/Archive.h"

#include "framework/core/Exceptions.h"
#include "framework/core/File.h"

#include <algorithm>
#include <cstring>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
	: m_pFile(pFile), m_nMode(nMode), m_nBufSize(static_cast<UINT>(std::max(nBufSize, 1))), m_bUserBuf(lpBuf != nullptr)
{
	ASSERT(pFile != nullptr);
	m_lpBufStart = m_bUserBuf ? static_cast<BYTE*>(lpBuf) : AfxNewArray<BYTE>(m_nBufSize);
	m_lpBufCur = m_lpBufStart;
	m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

CArchive::~CArchive()
{
	if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete))
	{
		try
		{
			Close();
		}
		catch (...)
		{
			// Nothing may leave a destructor; Close reports the same failure to callers who ask.
		}
	}
	if (!m_bUserBuf)
		delete[] m_lpBufStart;
}

BOOL CArchive::IsLoading() const
{
	return (m_nMode & load) != 0;
}

BOOL CArchive::IsStoring() const
{
	return (m_nMode & load) == 0;
}

CFile* CArchive::GetFile() const
{
	return m_pFile;
}

void CArchive::Close()
{
	if (m_pFile == nullptr)
		return;
	Flush();
	m_pFile = nullptr;
}

void CArchive::Abort()
{
	m_pFile = nullptr;
	m_lpBufCur = m_lpBufStart;
	m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

void CArchive::Flush()
{
	ASSERT(m_pFile != nullptr);
	if (IsStoring())
	{
		WriteBuffer();
		return;
	}
	if (m_lpBufCur != m_lpBufMax)
		m_pFile->Seek(-static_cast<LONGLONG>(m_lpBufMax - m_lpBufCur), CFile::current);
	m_lpBufCur = m_lpBufStart;
	m_lpBufMax = m_lpBufStart;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
	CheckLoading();
	BYTE* pDest = static_cast<BYTE*>(lpBuf);
	UINT nDone = 0;
	while (nDone < nMax)
	{
		if (m_lpBufCur == m_lpBufMax)
		{
			// What would fill the buffer whole is read straight into the caller's memory.
			if (nMax - nDone >= m_nBufSize)
			{
				nDone += m_pFile->Read(pDest + nDone, nMax - nDone);
				break;
			}
			if (FillBuffer() == 0)
				break;
		}
		const UINT nCopy = std::min(nMax - nDone, static_cast<UINT>(m_lpBufMax - m_lpBufCur));
		std::memcpy(pDest + nDone, m_lpBufCur, nCopy);
		m_lpBufCur += nCopy;
		nDone += nCopy;
	}
	return nDone;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
	CheckStoring();
	const BYTE* pSource = static_cast<const BYTE*>(lpBuf);
	while (nMax > 0)
	{
		if (m_lpBufCur == m_lpBufMax)
			WriteBuffer();
		if (m_lpBufCur == m_lpBufStart && nMax >= m_nBufSize)
		{
			m_pFile->Write(pSource, nMax);
			return;
		}
		const UINT nCopy = std::min(nMax, static_cast<UINT>(m_lpBufMax - m_lpBufCur));
		std::memcpy(m_lpBufCur, pSource, nCopy);
		m_lpBufCur += nCopy;
		pSource += nCopy;
		nMax -= nCopy;
	}
}

ULONGLONG CArchive::GetBytesLeft()
{
	CheckLoading();
	const ULONGLONG nLength = m_pFile->GetLength();
	const ULONGLONG nPosition = m_pFile->GetPosition();
	const ULONGLONG nInFile = nLength > nPosition ? nLength - nPosition : 0;
	return static_cast<ULONGLONG>(m_lpBufMax - m_lpBufCur) + nInFile;
}

void CArchive::CheckLoading() const
{
	if (!IsLoading())
		ThrowArchiveException(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
	if (!IsStoring())
		ThrowArchiveException(CArchiveException::readOnly);
}

UINT CArchive::FillBuffer()
{
	const UINT nKept = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
	std::memmove(m_lpBufStart, m_lpBufCur, nKept);
	const UINT nRead = m_pFile->Read(m_lpBufStart + nKept, m_nBufSize - nKept);
	m_lpBufCur = m_lpBufStart;
	m_lpBufMax = m_lpBufStart + nKept + nRead;
	return nRead;
}

void CArchive::WriteBuffer()
{
	if (m_lpBufCur != m_lpBufStart)
		m_pFile->Write(m_lpBufStart, static_cast<UINT>(m_lpBufCur - m_lpBufStart));
	m_lpBufCur = m_lpBufStart;
}

void CArchive::StoreLittleEndian(ULONGLONG value, UINT nBytes)
{
	BYTE bytes[sizeof(ULONGLONG)];
	for (UINT i = 0; i < nBytes; ++i)
		bytes[i] = static_cast<BYTE>(value >> (8 * i));
	Write(bytes, nBytes);
}

ULONGLONG CArchive::LoadLittleEndian(UINT nBytes)
{
	BYTE bytes[sizeof(ULONGLONG)];
	if (Read(bytes, nBytes) != nBytes)
		ThrowArchiveException(CArchiveException::endOfFile);
	ULONGLONG value = 0;
	for (UINT i = 0; i < nBytes; ++i)
		value |= static_cast<ULONGLONG>(bytes[i]) << (8 * i);
	return value;
}

void CArchive::ThrowArchiveException(int cause) const
{
	AfxThrowArchiveException(cause, m_pFile != nullptr ? static_cast<LPCTSTR>(m_pFile->GetFilePath()) : nullptr);
}
