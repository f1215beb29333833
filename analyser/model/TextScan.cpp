// The text form scanned as ImportTXT splits it, one line kept at a time.
#include "analyser/model/TextScan.h"

#include "framework/core/File.h"
#include "framework/core/String.h"
#include "sigkit/signal/ValueText.h"

#include <algorithm>

namespace
{
	constexpr size_t MAX_LINE_LENGTH = 500;
	constexpr size_t MAX_SHOWN_TOKEN = 30;

	// A token too long to quote whole is cut, but not inside a UTF-8 character.
	std::string Shown(const std::string& token)
	{
		if (token.size() <= MAX_SHOWN_TOKEN)
			return token;
		size_t shown = MAX_SHOWN_TOKEN;
		while (shown > 0 && (BYTE(token[shown]) & 0xC0) == 0x80)
			shown--;
		return token.substr(0, shown) + "...";
	}

	// Splits a line as ImportTXT does, at spaces only.
	void ScanLine(const std::string& line, ULONGLONG nLine, TextScan& scan)
	{
		size_t i = 0;
		while (i < line.size())
		{
			while (i < line.size() && line[i] == ' ')
				i++;
			const size_t start = i;
			while (i < line.size() && line[i] != ' ')
				i++;
			if (i == start)
				continue;
			const std::string token = line.substr(start, i - start);
			scan.nTokens++;
			scan.nTokenBytes += token.size();
			if (scan.strBadToken.empty() && !TextStartsWithNumber(token.c_str()))
			{
				scan.strBadToken = Shown(token);
				scan.nBadTokenLine = nLine;
			}
		}
	}
}

bool HasBinaryByte(const BYTE* bytes, UINT n)
{
	for (UINT i = 0; i < n; i++)
	{
		if ((bytes[i] < 0x20 && bytes[i] != '\t' && bytes[i] != '\n' && bytes[i] != '\r') || bytes[i] == 0x7F)
			return true;
	}
	return false;
}

TextScan ScanText(CFile& file)
{
	TextScan scan;
	std::string line;
	ULONGLONG nLineLength = 0;
	ULONGLONG nLine = 0;
	char last = 0;
	// ImportTXT takes the '\r' off a line before it measures it, and skips empty lines.
	auto endLine = [&]()
	{
		nLine++;
		const ULONGLONG length = nLineLength - (last == '\r' ? 1 : 0);
		scan.nLongestLine = std::max(scan.nLongestLine, nLineLength);
		if (length > MAX_LINE_LENGTH)
			scan.bSkippedLongLine = true;
		else if (length > 0)
			ScanLine(line.substr(0, size_t(length)), nLine, scan);
		line.clear();
		nLineLength = 0;
		last = 0;
	};

	BYTE buffer[65536];
	UINT n;
	file.SeekToBegin();
	while (scan.strBadToken.empty() && (n = file.Read(buffer, sizeof(buffer))) > 0)
	{
		if (HasBinaryByte(buffer, n))
		{
			scan.bBinaryByte = true;
			return scan;
		}
		for (UINT i = 0; i < n; i++)
		{
			const char ch = char(buffer[i]);
			if (ch == '\n')
			{
				endLine();
				continue;
			}
			if (line.size() <= MAX_LINE_LENGTH)
				line += ch;
			nLineLength++;
			last = ch;
		}
	}
	if (nLineLength > 0)
		endLine();
	return scan;
}

// ImportTXT keeps the longest line, every token twice in arrays of strings whose capacity may
// be twice their size, and the samples.
ULONGLONG TextReadingMemory(const TextScan& scan)
{
	const ULONGLONG tokenBytes = scan.nTokens * (sizeof(CString) + 1) + scan.nTokenBytes;
	const ULONGLONG samples = scan.nTokens > 0 ? (scan.nTokens - 1) / 2 : 0;
	return scan.nLongestLine + 4 * tokenBytes + 2 * sizeof(double) * samples;
}
