// Reading the text form in one pass that keeps no more than a line: what ImportTXT will meet, so
// that a file it would misread or could not hold is refused before it is read.
#pragma once

#include "framework/core/Types.h"

#include <string>

class CFile;

// What reading the text form will meet, found without keeping more than one line.
struct TextScan
{
	ULONGLONG nTokens = 0;
	ULONGLONG nTokenBytes = 0;
	ULONGLONG nLongestLine = 0;
	bool bBinaryByte = false;
	bool bSkippedLongLine = false;
	std::string strBadToken;
	ULONGLONG nBadTokenLine = 0;
};

// Bytes no text holds: the controls other than tab, line feed and carriage return.
bool HasBinaryByte(const BYTE* bytes, UINT n);
// Scans the whole file from its start; stops at the first byte no text holds or the first token
// that is not a number.
TextScan ScanText(CFile& file);
// A generous bound of the memory ImportTXT needs for what was scanned.
ULONGLONG TextReadingMemory(const TextScan& scan);
