// Reading the analyser's file by its content: both forms read, and every bad file refused with its
// reason while the record keeps what it held.
#include "analyser/model/SignalReader.h"

#include "sigkit/signal/Signal.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <unistd.h>

namespace
{
	const double ONDIVAR_STEP = 0.25132741232;
	const double NaN = std::numeric_limits<double>::quiet_NaN();
	const double INF = std::numeric_limits<double>::infinity();

	template <class T>
	void Append(std::string& bytes, T value)
	{
		char raw[sizeof(T)];
		std::memcpy(raw, &value, sizeof(T));
		bytes.append(raw, sizeof(T));
	}

	// The 52 bytes before the samples, laid out by hand: kind, five doubles, H, then N.
	std::string Header(double dStepX, UINT nHarmonics, UINT nPoints)
	{
		std::string bytes;
		Append(bytes, int(3));
		for (double d : {dStepX, 1.5, 1000.0, 0.1, 0.0})
			Append(bytes, d);
		Append(bytes, nHarmonics);
		Append(bytes, nPoints);
		return bytes;
	}

	std::string Pairs(std::initializer_list<double> values)
	{
		std::string bytes;
		for (double d : values)
			Append(bytes, d);
		return bytes;
	}

	bool SameBits(double a, double b)
	{
		return std::memcmp(&a, &b, sizeof(double)) == 0;
	}
}

TEST(SignalReader, ReadsOndivarsBinaryFileBitForBit)
{
	CScratchFolder folder;
	const std::string path = folder.Path("am.sig");
	ASSERT_TRUE(WriteFile(path, Header(ONDIVAR_STEP, 1, 2) + Pairs({0.0, -0.0, ONDIVAR_STEP, 0.1, 7.0, 2.5})));

	CSignal signal;
	SignalForm form = SignalForm::Text;
	CString reason;
	ASSERT_TRUE(ReadSignalFile(path.c_str(), signal, form, reason)) << LPCSTR(reason);
	EXPECT_EQ(form, SignalForm::Binary);
	EXPECT_EQ(signal.m_nType, 3);
	EXPECT_EQ(signal.m_dStepX, ONDIVAR_STEP);
	EXPECT_EQ(signal.m_dAmplitude, 1.5);
	EXPECT_EQ(signal.m_dFrequency, 1000.0);
	EXPECT_EQ(signal.m_dPeriod, 0.1);
	ASSERT_EQ(signal.m_nPoints, 2u);
	EXPECT_TRUE(SameBits(signal.m_pY[0], -0.0));
	EXPECT_EQ(signal.m_pX[1], ONDIVAR_STEP);
	EXPECT_EQ(signal.m_pY[1], 0.1);
	ASSERT_EQ(signal.m_nHarmonics, 1u);
	EXPECT_EQ(signal.m_pHarmAmp[0], 7.0);
	EXPECT_EQ(signal.m_pHarmPhase[0], 2.5);
}

TEST(SignalReader, ReadsTheTextFormWhateverItsLineEnds)
{
	CScratchFolder folder;
	const std::string path = folder.Path("segnale.sig");
	ASSERT_TRUE(WriteFile(path, "0.02\r\n\r\n0 1.5 0.01\n-1.5\n0.02\t 2 7\n"));

	// A record analysed before: what the file does not hold goes with the old record.
	CSignal signal;
	signal.m_nType = 3;
	signal.DoSpettro(4);
	SignalForm form = SignalForm::Binary;
	CString reason;
	ASSERT_TRUE(ReadSignalFile(path.c_str(), signal, form, reason)) << LPCSTR(reason);
	EXPECT_EQ(form, SignalForm::Text);
	EXPECT_EQ(signal.m_nType, 1);
	EXPECT_EQ(signal.m_nHarmonics, 0u);
	EXPECT_EQ(signal.m_dPeriod, 0.02);
	EXPECT_EQ(signal.m_dStepX, 1.0);
	EXPECT_EQ(signal.m_dAmplitude, 2.0);
	ASSERT_EQ(signal.m_nPoints, 3u) << "the last number has no partner";
	EXPECT_EQ(signal.m_pX[1], 0.01);
	EXPECT_EQ(signal.m_pY[1], -1.5);
	EXPECT_EQ(signal.m_pX[2], 0.02) << "a tab belongs to its number's token";
	EXPECT_EQ(signal.m_pY[2], 2.0);
	EXPECT_EQ(reason, CString(""));
}

TEST(SignalReader, RefusesEachBadFileWithItsReasonAndKeepsTheRecord)
{
	struct Case
	{
		const char* what;
		std::string bytes;
		bool missing;	// no file at all
		const char* reason;
	};
	const std::string longLine = "0.02 0 1 0.01 2" + std::string(490, ' ');
	const Case cases[] = {
		{"no such file", "", true, "Il file non esiste o non si può leggere."},
		{"a picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false,
			"Il file non è un file di segnale né un segnale in forma di testo."},
		{"binary without Ondivar's step", Header(0.5, 0, 7), false,
			"Il file non è un file di segnale né un segnale in forma di testo."},
		{"text, then a control byte", "0.02\n" + std::string(60, '1') + "\n1 \x01 2\n", false,
			"Il file non è un file di segnale né un segnale in forma di testo."},
		{"a word among the numbers", "0.02\n0 1.5\n0.01 -1.5 ciao 2\n", false,
			"Il file non è un segnale in forma di testo: alla riga 3, «ciao» non è un numero."},
		{"a long word", "1 2 3\nperiodo_del_segnale_in_secondi_è 0.02", false,
			"Il file non è un segnale in forma di testo: alla riga 2, «periodo_del_segnale_in_secondi...» non è un numero."},
		{"header cut short", Header(ONDIVAR_STEP, 0, 1).substr(0, 30), false,
			"Il file è troncato: ha 30 byte, meno dei 52 della sua intestazione."},
		{"samples cut short", Header(ONDIVAR_STEP, 0, 3) + Pairs({0, 1, 2, 3}), false,
			"Il file è troncato: i suoi conteggi (3 campioni, 0 armoniche) richiedono 100 byte, ma il file ne ha 84."},
		{"a count no file holds", Header(1.0, 1, 0xFFFFFFFFu) + Pairs({0, 1}), false,
			"Il file è troncato: i suoi conteggi (4294967295 campioni, 1 armonica) richiedono 68719476788 byte, ma il "
			"file ne ha 68."},
		{"bytes after the counts", Header(ONDIVAR_STEP, 1, 1) + Pairs({0, 1, 2, 3, 4, 5}), false,
			"I conteggi del file (1 campione, 1 armonica) richiedono 84 byte, ma il file ne ha 100."},
		{"a NaN sample", Header(ONDIVAR_STEP, 0, 3) + Pairs({0, 1, 1, NaN, 2, 3}), false,
			"Il campione 2 non è un numero finito."},
		{"an infinite abscissa", Header(ONDIVAR_STEP, 0, 2) + Pairs({0, 1, -INF, 3}), false,
			"Il campione 2 non è un numero finito."},
		{"a text number too large", "0.02 0 1 1 2 2 -1e999", false, "Il campione 3 non è un numero finito."},
		{"no samples in the binary file", Header(ONDIVAR_STEP, 2, 0) + Pairs({0, 1, 2, 3}), false,
			"Il file di segnale non contiene alcun campione."},
		{"an empty file", "", false, "Il file di testo non contiene alcun campione."},
		{"a period alone", "0.02\n\n", false, "Il file di testo non contiene alcun campione."},
		{"an abscissa without its value", "0.02 5", false, "Il file di testo non contiene alcun campione."},
		{"samples on a line of 501 characters", longLine + "\n0.02 1\n", false,
			"Il file di testo non contiene alcun campione: le righe più lunghe di 500 caratteri non si leggono."},
	};

	CScratchFolder folder;
	const std::string good = folder.Path("buono.txt");
	ASSERT_TRUE(WriteFile(good, "4 0 1 1 -3"));
	CSignal signal;
	SignalForm form = SignalForm::Binary;
	CString reason;
	ASSERT_TRUE(ReadSignalFile(good.c_str(), signal, form, reason));
	const double* pY = signal.m_pY;

	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.what);
		const std::string path = folder.Path("cattivo.sig");
		std::filesystem::remove(path);
		if (!c.missing)
		{
			ASSERT_TRUE(WriteFile(path, c.bytes));
		}
		ASSERT_FALSE(ReadSignalFile(path.c_str(), signal, form, reason));
		EXPECT_STREQ(LPCSTR(reason), c.reason);

		EXPECT_EQ(form, SignalForm::Text);
		EXPECT_EQ(signal.m_pY, pY);
		ASSERT_EQ(signal.m_nPoints, 2u);
		EXPECT_EQ(signal.m_pY[1], -3.0);
		EXPECT_EQ(signal.m_dPeriod, 4.0);
		EXPECT_EQ(signal.m_dStepX, 1.0);
	}

	ASSERT_FALSE(ReadSignalFile(folder.Path().c_str(), signal, form, reason)) << "a folder";
	EXPECT_STREQ(LPCSTR(reason), "Il file non esiste o non si può leggere.");
}

// A file whose counts match its length but not this computer's memory: sparse, so it takes no room.
TEST(SignalReader, RefusesASignalTooLargeForMemory)
{
	const ULONGLONG pairs = 2 * ULONGLONG(0xFFFFFFFFu);
	const ULONGLONG memory = ULONGLONG(sysconf(_SC_PHYS_PAGES)) * ULONGLONG(sysconf(_SC_PAGESIZE));
	if (memory >= 2 * 16 * pairs)
		GTEST_SKIP() << "this computer could hold the largest signal a file can describe";

	CScratchFolder folder;
	const std::string path = folder.Path("enorme.sig");
	ASSERT_TRUE(WriteFile(path, Header(ONDIVAR_STEP, 0xFFFFFFFFu, 0xFFFFFFFFu)));
	std::error_code error;
	std::filesystem::resize_file(path, 52 + 16 * pairs, error);
	if (error)
		GTEST_SKIP() << "the scratch folder's file system holds no sparse file of 128 GiB: " << error.message();

	CSignal signal;
	SignalForm form = SignalForm::Text;
	CString reason;
	EXPECT_FALSE(ReadSignalFile(path.c_str(), signal, form, reason));
	EXPECT_STREQ(LPCSTR(reason), "Il segnale è troppo grande per la memoria di questo computer.");
	EXPECT_EQ(signal.m_nPoints, 0u);
	EXPECT_EQ(signal.m_pX, nullptr);
}
