// Signal files on disk: the names the main window gives them and a write that never leaves a
// half-written file in place of an earlier one.
#pragma once

#include "framework/core/String.h"

class CSignal;

// The path with ".sig" appended, unless the file name itself already ends in ".sig" in any
// letter case.
CString WithSignalExtension(const CString& strPath);

// The file name without its folder and its last extension ("/tmp/prova.sig" gives "prova").
CString SignalFileTitle(const CString& strPath);

// Writes the signal to a temporary file beside strPath and renames it over strPath only once
// everything is written and on disk; the folder is synced after the rename. FALSE, with
// strPath untouched, when anything failed.
BOOL WriteSignalFile(CSignal& signal, const CString& strPath);
