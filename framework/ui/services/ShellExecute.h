// Opening a file with the application the desktop associates with its type.
#pragma once

#include "framework/core/CommonDialogConstants.h"
#include "framework/core/Handles.h"
#include "framework/core/Types.h"

// The verb "open" (or null) on lpFile, relative to lpDirectory when not absolute. Through the
// modal seam (ModalKind::ShellOpen, strText the full path, nType nShowCmd). The result, as an
// integer, is above 32 when the application was started; ERROR_FILE_NOT_FOUND for a missing file,
// ERROR_PATH_NOT_FOUND for a missing folder, SE_ERR_NOASSOC when the desktop has no application
// for the file's type or the verb is not "open", SE_ERR_ASSOCINCOMPLETE when the application it
// names cannot be started or fails at once. lpParameters are for programs, not documents, and
// are ignored, as on Windows.
HINSTANCE ShellExecute(HWND hwnd, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters, LPCTSTR lpDirectory,
	int nShowCmd);

// What ShellExecute does past the seam, on a full path: the opener starts detached from the program
// and is given nGraceMs milliseconds to fail; one still running then counts as the application
// started.
int ShellOpenWithDesktop(LPCTSTR lpOperation, LPCTSTR lpPath, int nGraceMs);
