// CMemFile: a file held in memory, growing as it is written; file formats are tested through it.
#pragma once

#include "framework/core/File.h"

#include <cstddef>

class CMemFile : public CFile
{
	DECLARE_DYNAMIC(CMemFile)

public:
	explicit CMemFile(UINT nGrowBytes = 1024);
	// With nGrowBytes 0 the buffer is the whole file, of nBufferSize bytes, and cannot grow;
	// otherwise the buffer is only room for an empty file to grow into, as on Windows.
	CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
	~CMemFile() override;

	void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
	// Hands the buffer to the caller and leaves the file empty. A file that outgrew an attached
	// buffer hands over a new block from malloc, which the caller frees; the attached one is
	// never freed, moved or reallocated by the file.
	BYTE* Detach();

	UINT Read(void* lpBuf, UINT nCount) override;
	void Write(const void* lpBuf, UINT nCount) override;
	ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
	ULONGLONG GetLength() const override;
	void SetLength(ULONGLONG dwNewLen) override;
	ULONGLONG GetPosition() const override;
	void Flush() override;
	void Close() override;
	void Abort() override;

	// The file's contents, GetLength() bytes, without detaching them.
	const BYTE* GetBytes() const;

protected:
	void EnsureCapacity(ULONGLONG nNeeded);
	void ExtendTo(size_t nNewSize);

	BYTE* m_lpBuffer;
	size_t m_nBufferSize;
	size_t m_nFileSize;
	size_t m_nPosition;
	UINT m_nGrowBytes;
	BOOL m_bOwnsBuffer;
};
