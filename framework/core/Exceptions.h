// The framework's exceptions. Unlike the Windows framework, they are thrown by value and caught
// by reference (catch (const CFileException& e)), so nobody has to delete them.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

#include <cstddef>
#include <new>

class CException : public CObject
{
	DECLARE_DYNAMIC(CException)

public:
	CException() = default;
	CException(const CException&) = default;
	CException& operator=(const CException&) = default;

	// Copies the NUL-terminated message into lpszError (at most nMaxError bytes in all);
	// FALSE when there is no message to give.
	virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;
};

class CMemoryException : public CException
{
	DECLARE_DYNAMIC(CMemoryException)

public:
	BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

class CFileException : public CException
{
	DECLARE_DYNAMIC(CFileException)

public:
	enum
	{
		none,
		genericException,
		fileNotFound,
		badPath,
		tooManyOpenFiles,
		accessDenied,
		invalidFile,
		removeCurrentDir,
		directoryFull,
		badSeek,
		hardIO,
		sharingViolation,
		lockViolation,
		diskFull,
		endOfFile
	};

	CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);

	BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

	// Maps an errno value to one of the causes above.
	static int OsErrorToException(LONG errnoValue);

	int m_cause;
	LONG m_lOsError;
	CString m_strFileName;
};

class CArchiveException : public CException
{
	DECLARE_DYNAMIC(CArchiveException)

public:
	enum
	{
		none,
		genericException,
		readOnly,
		endOfFile,
		writeOnly,
		badIndex,
		badClass,
		badSchema
	};

	CArchiveException(int cause = none, LPCTSTR lpszFileName = nullptr);

	BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

	int m_cause;
	CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszFileName = nullptr);

// new T[n] that reports a failed allocation, an impossible length included, as CMemoryException.
// The nothrow form lets allocators that answer with a null pointer (as sanitizer builds may)
// report the same way.
template <class T>
T* AfxNewArray(size_t n)
{
	T* p = nullptr;
	try
	{
		p = new (std::nothrow) T[n];
	}
	catch (const std::bad_alloc&)
	{
		AfxThrowMemoryException();
	}
	if (p == nullptr)
		AfxThrowMemoryException();
	return p;
}
