// CArchive: a buffered stream of values over a CFile, for storing or for loading. Numbers are
// little-endian at their natural size; doubles are the 8 bytes of their IEEE image.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CFile;

class CArchive
{
public:
	enum Mode
	{
		store = 0,
		load = 1,
		bNoFlushOnDelete = 2
	};

	CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
	// Flushes a storing archive that was neither closed nor aborted. Errors cannot leave a
	// destructor, so call Close to learn about them.
	~CArchive();

	CArchive(const CArchive&) = delete;
	CArchive& operator=(const CArchive&) = delete;

	BOOL IsLoading() const;
	BOOL IsStoring() const;
	CFile* GetFile() const;

	void Close();
	void Abort();
	// Storing: writes the buffer out. Loading: gives the unread buffered bytes back to the file.
	void Flush();

	// Returns fewer bytes than asked for at the end of the file.
	UINT Read(void* lpBuf, UINT nMax);
	void Write(const void* lpBuf, UINT nMax);

	// Bytes a loading archive can still deliver: those buffered and the rest of the file.
	// Lets readers refuse counts the file cannot hold before they allocate.
	ULONGLONG GetBytesLeft();

	// One line without its '\n' and without a '\r' just before it; FALSE when nothing is left.
	// A last line without '\n' is still a line.
	BOOL ReadString(CString& rString);
	// The same, into lpsz, which holds nMax characters and a NUL; a longer line continues
	// on the next call. nullptr when nothing is left.
	LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
	// Writes the text as it is: no line end is added.
	void WriteString(LPCTSTR lpsz);

	CArchive& operator<<(BYTE by);
	CArchive& operator<<(WORD w);
	CArchive& operator<<(int i);
	CArchive& operator<<(unsigned u);
	CArchive& operator<<(short n);
	CArchive& operator<<(char ch);
	CArchive& operator<<(float f);
	CArchive& operator<<(double d);
	CArchive& operator<<(bool b);
	CArchive& operator<<(LONGLONG n);
	CArchive& operator<<(ULONGLONG n);

	// Each throws CArchiveException(endOfFile) when the file ends before the value does.
	CArchive& operator>>(BYTE& by);
	CArchive& operator>>(WORD& w);
	CArchive& operator>>(int& i);
	CArchive& operator>>(unsigned& u);
	CArchive& operator>>(short& n);
	CArchive& operator>>(char& ch);
	CArchive& operator>>(float& f);
	CArchive& operator>>(double& d);
	CArchive& operator>>(bool& b);
	CArchive& operator>>(LONGLONG& n);
	CArchive& operator>>(ULONGLONG& n);

private:
	void CheckLoading() const;
	void CheckStoring() const;
	UINT FillBuffer();
	void WriteBuffer();
	void StoreLittleEndian(ULONGLONG value, UINT nBytes);
	ULONGLONG LoadLittleEndian(UINT nBytes);
	[[noreturn]] void ThrowArchiveException(int cause) const;

	CFile* m_pFile;
	UINT m_nMode;
	BYTE* m_lpBufStart;
	BYTE* m_lpBufCur;
	BYTE* m_lpBufMax;
	UINT m_nBufSize;
	BOOL m_bUserBuf;
};
