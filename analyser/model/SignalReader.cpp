// Reading a signal file by its content: the binary file's counts checked against its length, the
// text form scanned for what is not a number, both read into a scratch record first.
#include "analyser/model/SignalReader.h"

#include "analyser/model/TextScan.h"
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "sigkit/signal/Signal.h"

#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstring>
#include <new>
#include <unistd.h>
#include <utility>

namespace
{
	constexpr ULONGLONG HEADER_BYTES = 52;
	constexpr ULONGLONG BYTES_PER_PAIR = 16;
	// The X step of the samples Ondivar generates and of a record imported from text.
	constexpr double GENERATED_STEP = 0.25132741232;
	constexpr double IMPORTED_STEP = 1.0;

	struct BinaryHeader
	{
		int nType;
		double dStepX;
		UINT nHarmonics;
		UINT nPoints;
	};

	ULONGLONG PhysicalMemory()
	{
		const long pages = sysconf(_SC_PHYS_PAGES);
		const long pageSize = sysconf(_SC_PAGESIZE);
		return pages > 0 && pageSize > 0 ? ULONGLONG(pages) * ULONGLONG(pageSize) : ~ULONGLONG(0);
	}

	CString Plural(ULONGLONG n, LPCSTR one, LPCSTR many)
	{
		CString text;
		text.Format("%" PRIu64 " %s", n, n == 1 ? one : many);
		return text;
	}

	// The header's doubles sit at offsets that are not multiples of 8, so they are copied out.
	BinaryHeader ParseHeader(const BYTE* bytes)
	{
		BinaryHeader header;
		std::memcpy(&header.nType, bytes, 4);
		std::memcpy(&header.dStepX, bytes + 4, 8);
		std::memcpy(&header.nHarmonics, bytes + 44, 4);
		std::memcpy(&header.nPoints, bytes + 48, 4);
		return header;
	}

	bool HasOndivarStep(const BYTE* bytes)
	{
		double dStepX;
		std::memcpy(&dStepX, bytes + 4, 8);
		return dStepX == GENERATED_STEP || dStepX == IMPORTED_STEP;
	}

	// The first sample that is not a finite number, or -1.
	LONGLONG FirstNonFiniteSample(const CSignal& signal)
	{
		for (UINT i = 0; i < signal.m_nPoints; i++)
		{
			if (!std::isfinite(signal.m_pX[i]) || !std::isfinite(signal.m_pY[i]))
				return i;
		}
		return -1;
	}

	// The record read takes the place of the one the caller had, which the scratch record then
	// releases: nothing can fail once the file has been read.
	void Exchange(CSignal& a, CSignal& b)
	{
		std::swap(a.m_nType, b.m_nType);
		std::swap(a.m_dStepX, b.m_dStepX);
		std::swap(a.m_pX, b.m_pX);
		std::swap(a.m_pY, b.m_pY);
		std::swap(a.m_nPoints, b.m_nPoints);
		std::swap(a.m_pHarmAmp, b.m_pHarmAmp);
		std::swap(a.m_pHarmPhase, b.m_pHarmPhase);
		std::swap(a.m_nHarmonics, b.m_nHarmonics);
		std::swap(a.m_dAmplitude, b.m_dAmplitude);
		std::swap(a.m_dFrequency, b.m_dFrequency);
		std::swap(a.m_dPeriod, b.m_dPeriod);
		std::swap(a.m_dMaxHarmonic, b.m_dMaxHarmonic);
		std::swap(a.m_bBorrowed, b.m_bBorrowed);
		std::swap(a.m_nAllocPoints, b.m_nAllocPoints);
		std::swap(a.m_nAllocHarmonics, b.m_nAllocHarmonics);
	}

	const char UNREADABLE[] = "Il file non esiste o non si può leggere.";
	const char NEITHER_FORM[] = "Il file non è un file di segnale né un segnale in forma di testo.";
	const char TOO_LARGE[] = "Il segnale è troppo grande per la memoria di questo computer.";

	BOOL ReadBinary(CFile& file, const BYTE* head, CSignal& scratch, CString& strReason)
	{
		const ULONGLONG length = file.GetLength();
		if (length < HEADER_BYTES)
		{
			if (length >= 12 && HasOndivarStep(head))
				strReason.Format("Il file è troncato: ha %" PRIu64 " byte, meno dei 52 della sua intestazione.", length);
			else
				strReason = NEITHER_FORM;
			return FALSE;
		}

		const BinaryHeader header = ParseHeader(head);
		const ULONGLONG pairs = ULONGLONG(header.nPoints) + header.nHarmonics;
		const ULONGLONG expected = HEADER_BYTES + BYTES_PER_PAIR * pairs;
		if (expected != length)
		{
			if (!HasOndivarStep(head))
			{
				strReason = NEITHER_FORM;
				return FALSE;
			}
			strReason.Format("%s (%s, %s) richiedono %" PRIu64 " byte, ma il file ne ha %" PRIu64 ".",
				expected > length ? "Il file è troncato: i suoi conteggi" : "I conteggi del file",
				LPCSTR(Plural(header.nPoints, "campione", "campioni")),
				LPCSTR(Plural(header.nHarmonics, "armonica", "armoniche")), expected, length);
			return FALSE;
		}
		// Serialize reads every pair into a temporary before it fills the record.
		if (2 * BYTES_PER_PAIR * pairs > PhysicalMemory())
		{
			strReason = TOO_LARGE;
			return FALSE;
		}

		file.SeekToBegin();
		CArchive ar(&file, CArchive::load);
		scratch.Serialize(ar);
		return TRUE;
	}

	BOOL ReadText(CFile& file, CSignal& scratch, CString& strReason)
	{
		const TextScan scan = ScanText(file);
		if (scan.bBinaryByte)
		{
			strReason = NEITHER_FORM;
			return FALSE;
		}
		if (!scan.strBadToken.empty())
		{
			strReason.Format("Il file non è un segnale in forma di testo: alla riga %" PRIu64 ", «%s» non è un numero.",
				scan.nBadTokenLine, scan.strBadToken.c_str());
			return FALSE;
		}
		if (scan.nTokens < 3)
		{
			strReason = scan.bSkippedLongLine
				? "Il file di testo non contiene alcun campione: le righe più lunghe di 500 caratteri non si leggono."
				: "Il file di testo non contiene alcun campione.";
			return FALSE;
		}
		// ImportTXT counts its tokens in an int.
		if (scan.nTokens > ULONGLONG(INT_MAX) || TextReadingMemory(scan) > PhysicalMemory())
		{
			strReason = TOO_LARGE;
			return FALSE;
		}

		file.SeekToBegin();
		CArchive ar(&file, CArchive::load);
		scratch.SerializeTXT(ar);
		return TRUE;
	}
}

BOOL ReadSignalFile(LPCTSTR lpszPath, CSignal& signal, SignalForm& form, CString& strReason)
{
	CSignal scratch;
	SignalForm scratchForm = SignalForm::Text;
	try
	{
		CFile file;
		if (!file.Open(lpszPath, CFile::modeRead))
		{
			strReason = UNREADABLE;
			return FALSE;
		}
		BYTE head[HEADER_BYTES];
		const UINT nHead = file.Read(head, UINT(HEADER_BYTES));
		if (HasBinaryByte(head, nHead))
			scratchForm = SignalForm::Binary;
		const BOOL bRead = scratchForm == SignalForm::Binary ? ReadBinary(file, head, scratch, strReason)
			: ReadText(file, scratch, strReason);
		if (!bRead)
			return FALSE;
	}
	catch (const CMemoryException&)
	{
		strReason = TOO_LARGE;
		return FALSE;
	}
	// Lines and tokens are strings of the standard library, which report in their own way.
	catch (const std::bad_alloc&)
	{
		strReason = TOO_LARGE;
		return FALSE;
	}
	// The counts were checked against the length: only a file changed meanwhile ends early.
	catch (const CArchiveException&)
	{
		strReason = "Il file è cambiato mentre veniva letto.";
		return FALSE;
	}
	catch (const CException&)
	{
		strReason = UNREADABLE;
		return FALSE;
	}

	if (scratch.m_nPoints == 0)
	{
		strReason = scratchForm == SignalForm::Binary ? "Il file di segnale non contiene alcun campione."
			: "Il file di testo non contiene alcun campione.";
		return FALSE;
	}
	const LONGLONG bad = FirstNonFiniteSample(scratch);
	if (bad >= 0)
	{
		strReason.Format("Il campione %" PRId64 " non è un numero finito.", bad + 1);
		return FALSE;
	}
	Exchange(signal, scratch);
	form = scratchForm;
	return TRUE;
}
