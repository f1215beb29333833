// Exception classes, their messages (Italian, as the program's other text) and the throw helpers.
#include "framework/core/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace
{

// Each message names the file through one %s.
const char* const s_fileMessages[] =
{
	"Nessun errore durante l'accesso a %s.",
	"Errore imprevisto durante l'accesso a %s.",
	"Impossibile trovare %s.",
	"Il percorso di %s non è valido.",
	"Impossibile aprire %s: troppi file aperti.",
	"Accesso negato a %s.",
	"Il file %s non è valido.",
	"Impossibile rimuovere la cartella corrente (%s).",
	"La cartella è piena: impossibile creare %s.",
	"Errore di posizionamento in %s.",
	"Errore del dispositivo durante l'accesso a %s.",
	"Violazione di condivisione durante l'accesso a %s.",
	"Violazione di blocco durante l'accesso a %s.",
	"Disco pieno durante la scrittura di %s.",
	"Tentativo di accesso oltre la fine di %s.",
};

const char* const s_archiveMessages[] =
{
	"Nessun errore durante la lettura o la scrittura di %s.",
	"Errore imprevisto durante la lettura o la scrittura di %s.",
	"Tentativo di scrivere in %s, aperto per la lettura.",
	"Fine inattesa del file %s.",
	"Tentativo di leggere da %s, aperto per la scrittura.",
	"Il formato di %s non è valido.",
	"%s contiene un oggetto inatteso.",
	"%s contiene una versione non prevista di un oggetto.",
};

BOOL CopyText(const CString& strText, LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
	if (pnHelpContext != nullptr)
		*pnHelpContext = 0;
	if (lpszError == nullptr || nMaxError == 0)
		return FALSE;
	size_t nCopy = std::min(static_cast<size_t>(strText.GetLength()), static_cast<size_t>(nMaxError - 1));
	// A cut message must not end inside a UTF-8 sequence (the accented letters).
	while (nCopy > 0 && nCopy < static_cast<size_t>(strText.GetLength()) && (static_cast<BYTE>(strText[static_cast<int>(nCopy)]) & 0xC0) == 0x80)
		--nCopy;
	std::memcpy(lpszError, static_cast<LPCTSTR>(strText), nCopy);
	lpszError[nCopy] = '\0';
	return TRUE;
}

template <size_t N>
BOOL CopyFileMessage(const char* const (&messages)[N], int cause, const CString& strFileName, LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
	if (cause < 0 || static_cast<size_t>(cause) >= N)
		cause = 1;	// genericException in both tables
	CString strMessage;
	strMessage.Format(messages[cause], strFileName.IsEmpty() ? "un file senza nome" : static_cast<LPCTSTR>(strFileName));
	return CopyText(strMessage, lpszError, nMaxError, pnHelpContext);
}

}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
	if (pnHelpContext != nullptr)
		*pnHelpContext = 0;
	if (lpszError != nullptr && nMaxError > 0)
		lpszError[0] = '\0';
	return FALSE;
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
	return CopyText("Memoria insufficiente.", lpszError, nMaxError, pnHelpContext);
}

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
	: m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
	return CopyFileMessage(s_fileMessages, m_cause, m_strFileName, lpszError, nMaxError, pnHelpContext);
}

int CFileException::OsErrorToException(LONG errnoValue)
{
	switch (errnoValue)
	{
	case 0:
		return none;
	case ENOENT:
		return fileNotFound;
	case ENOTDIR:
	case ENAMETOOLONG:
	case ELOOP:
		return badPath;
	case EMFILE:
	case ENFILE:
		return tooManyOpenFiles;
	case EACCES:
	case EPERM:
	case EROFS:
	case EISDIR:
		return accessDenied;
	case EBADF:
		return invalidFile;
	case EBUSY:
		return removeCurrentDir;
	case ESPIPE:
		return badSeek;
	case EIO:
		return hardIO;
	case ETXTBSY:
		return sharingViolation;
	case ENOLCK:
	case EDEADLK:
		return lockViolation;
	case ENOSPC:
	case EDQUOT:
	case EFBIG:
		return diskFull;
	default:
		return genericException;
	}
}

CArchiveException::CArchiveException(int cause, LPCTSTR lpszFileName)
	: m_cause(cause), m_strFileName(lpszFileName)
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
	return CopyFileMessage(s_archiveMessages, m_cause, m_strFileName, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowMemoryException()
{
	throw CMemoryException();
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
	throw CFileException(cause, lOsError, lpszFileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszFileName)
{
	throw CArchiveException(cause, lpszFileName);
}
