// Reading the analyser's file by its content (the text form is read in HarmonicTableTests.cpp),
// and every bad file refused with its reason while the record keeps what it held.
#include "analyser/model/SignalReader.h"

#include "sigkit/signal/Signal.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <limits>
#include <string>
#include <unistd.h>

namespace
{
	const double ONDIVAR_STEP = 0.25132741232;

	// The bytes of the .sig layout written by hand: kind 3, then the step, four more doubles,
	// H and N; then the doubles given.
	std::string SigFile(double dStepX, UINT nHarmonics, UINT nPoints, std::initializer_list<double> values = {})
	{
		char bytes[52] = {3};
		const double descriptors[] = {dStepX, 1.5, 1000.0, 0.1, 0.0};
		std::memcpy(bytes + 4, descriptors, sizeof(descriptors));
		std::memcpy(bytes + 44, &nHarmonics, 4);
		std::memcpy(bytes + 48, &nPoints, 4);
		std::string file(bytes, sizeof(bytes));
		for (double d : values)
			file.append(reinterpret_cast<const char*>(&d), sizeof(d));
		return file;
	}
}

TEST(SignalReader, RefusesEachBadFileWithItsReasonAndKeepsTheRecord)
{
	const double nan = std::numeric_limits<double>::quiet_NaN();
	const char* neither = "Il file non è un file di segnale né un segnale in forma di testo.";
	const char* noSample = "Il file di testo non contiene alcun campione.";
	const struct
	{
		std::string bytes;
		const char* reason;
	} cases[] = {
		{std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), neither},
		{SigFile(0.5, 0, 7), neither},
		{"0.02\n" + std::string(60, '1') + "\n1 \x01 2\n", neither},
		{"0.02\n0 1.5\n0.01 -1.5 ciao 2\n", "Il file non è un segnale in forma di testo: alla riga 3, «ciao» non è un numero."},
		{SigFile(ONDIVAR_STEP, 0, 1).substr(0, 30), "Il file è troncato: ha 30 byte, meno dei 52 della sua intestazione."},
		{SigFile(ONDIVAR_STEP, 0, 3, {0, 1, 2, 3}),
			"Il file è troncato: i suoi conteggi (3 campioni, 0 armoniche) richiedono 100 byte, ma il file ne ha 84."},
		{SigFile(1.0, 1, 0xFFFFFFFFu, {0, 1}), "Il file è troncato: i suoi conteggi (4294967295 campioni, 1 armonica) "
			"richiedono 68719476788 byte, ma il file ne ha 68."},
		{SigFile(ONDIVAR_STEP, 1, 1, {0, 1, 2, 3, 4, 5}),
			"I conteggi del file (1 campione, 1 armonica) richiedono 84 byte, ma il file ne ha 100."},
		{SigFile(ONDIVAR_STEP, 0, 3, {0, 1, 1, nan, 2, 3}), "Il campione 2 non è un numero finito."},
		{"0.02 0 1 1 2 2 -1e999", "Il campione 3 non è un numero finito."},
		{SigFile(ONDIVAR_STEP, 2, 0, {0, 1, 2, 3}), "Il file di segnale non contiene alcun campione."},
		{"", noSample},
		{"0.02 5\n\n", noSample},
		{"0.02 0 1 0.01 2" + std::string(490, ' ') + "\n0.02 1\n",
			"Il file di testo non contiene alcun campione: le righe più lunghe di 500 caratteri non si leggono."},
	};

	// First a good binary file, named .txt, bit for bit; every refusal then leaves it as it is.
	CScratchFolder folder;
	ASSERT_TRUE(WriteFile(folder.Path("buono.txt"), SigFile(ONDIVAR_STEP, 1, 2, {0.0, -0.0, ONDIVAR_STEP, 0.1, 7.0, 2.5})));
	CSignal signal;
	SignalForm form = SignalForm::Text;
	CString reason;
	ASSERT_TRUE(ReadSignalFile(folder.Path("buono.txt").c_str(), signal, form, reason)) << LPCSTR(reason);
	const double* pY = signal.m_pY;
	auto expectRecord = [&]()
	{
		EXPECT_EQ(form, SignalForm::Binary);
		EXPECT_EQ(signal.m_dFrequency, 1000.0);
		EXPECT_EQ(signal.m_pY, pY);
		ASSERT_EQ(signal.m_nPoints, 2u);
		EXPECT_TRUE(std::signbit(signal.m_pY[0]));
		EXPECT_EQ(signal.m_pX[1], ONDIVAR_STEP);
		ASSERT_EQ(signal.m_nHarmonics, 1u);
		EXPECT_EQ(signal.m_pHarmPhase[0], 2.5);
	};
	expectRecord();
	auto expectRefused = [&](const std::string& path, const char* expected)
	{
		EXPECT_FALSE(ReadSignalFile(path.c_str(), signal, form, reason));
		EXPECT_STREQ(LPCSTR(reason), expected);
		expectRecord();
	};
	for (size_t i = 0; i < std::size(cases); i++)
	{
		SCOPED_TRACE(i);
		const std::string path = folder.Path(std::to_string(i));
		ASSERT_TRUE(WriteFile(path, cases[i].bytes));
		expectRefused(path, cases[i].reason);
	}
	expectRefused(folder.Path("nessuno"), "Il file non esiste o non si può leggere.");
	expectRefused(folder.Path(), "Il file non esiste o non si può leggere.");
}

// A file whose counts match its length but not this computer's memory: sparse, so it takes no room.
TEST(SignalReader, RefusesASignalTooLargeForMemory)
{
	const ULONGLONG bytes = 52 + 32 * ULONGLONG(0xFFFFFFFFu);
	if (ULONGLONG(sysconf(_SC_PHYS_PAGES)) * ULONGLONG(sysconf(_SC_PAGESIZE)) >= 2 * bytes)
		GTEST_SKIP() << "this computer could hold the largest signal a file can describe";
	CScratchFolder folder;
	const std::string path = folder.Path("enorme.sig");
	ASSERT_TRUE(WriteFile(path, SigFile(ONDIVAR_STEP, 0xFFFFFFFFu, 0xFFFFFFFFu)));
	std::error_code error;
	std::filesystem::resize_file(path, bytes, error);
	if (error)
		GTEST_SKIP() << "no sparse file of 128 GiB in the scratch folder: " << error.message();

	CSignal signal;
	SignalForm form;
	CString reason;
	EXPECT_FALSE(ReadSignalFile(path.c_str(), signal, form, reason));
	EXPECT_STREQ(LPCSTR(reason), "Il segnale è troppo grande per la memoria di questo computer.");
	EXPECT_EQ(signal.m_pX, nullptr);
}
