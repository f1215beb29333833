// CFile: a binary file on a POSIX file descriptor, with the Windows framework's open flags.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CFileException;

class CFile : public CObject
{
	DECLARE_DYNAMIC(CFile)

public:
	// Share modes are accepted and ignored: POSIX has no mandatory sharing locks.
	// typeText and typeBinary read the same bytes; descriptors are always close-on-exec.
	enum OpenFlags
	{
		modeRead = 0,
		modeWrite = 1,
		modeReadWrite = 2,
		shareCompat = 0,
		shareExclusive = 0x10,
		shareDenyWrite = 0x20,
		shareDenyRead = 0x30,
		shareDenyNone = 0x40,
		modeNoInherit = 0x80,
		modeCreate = 0x1000,
		modeNoTruncate = 0x2000,
		typeText = 0x4000,
		typeBinary = 0x8000
	};

	enum SeekPosition
	{
		begin = 0,
		current = 1,
		end = 2
	};

	static constexpr int hFileNull = -1;

	CFile();
	CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
	~CFile() override;

	CFile(const CFile&) = delete;
	CFile& operator=(const CFile&) = delete;

	virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
	virtual UINT Read(void* lpBuf, UINT nCount);
	virtual void Write(const void* lpBuf, UINT nCount);
	virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
	void SeekToBegin();
	ULONGLONG SeekToEnd();
	virtual ULONGLONG GetLength() const;
	virtual void SetLength(ULONGLONG dwNewLen);
	virtual ULONGLONG GetPosition() const;
	virtual void Flush();
	virtual void Close();
	virtual void Abort();

	CString GetFilePath() const;
	CString GetFileName() const;

	int m_hFile;

protected:
	[[noreturn]] void ThrowOsError(int nErrno) const;

	CString m_strFilePath;
};
