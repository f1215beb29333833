// Reading the file the analyser is given, whatever it holds: Ondivar's binary signal file or the
// text form, told apart by their content, every count checked against the file before anything
// is allocated from it.
#pragma once

#include "framework/core/String.h"

class CSignal;

enum class SignalForm
{
	Binary,	// what CSignal::Serialize writes
	Text,	// a period, then X Y pairs, as CSignal::SerializeTXT reads
};

// Reads the file at lpszPath into signal, sets form and returns TRUE; the record then holds only
// what the file does (no harmonics after a text file). On failure signal and form keep what they held
// and strReason says why, in Italian, as the second line of the analyser's message (the first
// names the file): the file cannot be read, is neither form, is truncated, has counts that do not
// match its length, holds samples that are not finite, is too large for memory, or (text form)
// holds no sample.
BOOL ReadSignalFile(LPCTSTR lpszPath, CSignal& signal, SignalForm& form, CString& strReason);
