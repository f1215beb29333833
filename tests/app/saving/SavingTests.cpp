// "&Salva" and "Salva con &Nome...": the file written, the name it gets, the caption and the
// state a failed save leaves.
#include "app/resources/AppResourceIds.h"
#include "framework/core/CommonDialogConstants.h"
#include "tests/app/saving/SavingFixture.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>

namespace
{
	uint64_t BitsOf(double dValue)
	{
		uint64_t nBits;
		std::memcpy(&nBits, &dValue, sizeof nBits);
		return nBits;
	}

	void AppendLittleEndian(std::vector<unsigned char>& bytes, uint64_t nValue, int nBytes)
	{
		for (int i = 0; i < nBytes; i++)
			bytes.push_back(static_cast<unsigned char>(nValue >> (8 * i)));
	}

	double DoubleAt(const std::vector<unsigned char>& bytes, size_t nOffset)
	{
		uint64_t nBits = 0;
		for (int i = 7; i >= 0; i--)
			nBits = nBits << 8 | bytes[nOffset + static_cast<size_t>(i)];
		double dValue;
		std::memcpy(&dValue, &nBits, sizeof dValue);
		return dValue;
	}
}

using SavingTest = SavingWindowTest;

TEST_F(SavingTest, SaveAsWaitsForASignal)
{
	EXPECT_FALSE(IsCommandEnabled(ID_FILE_SAVE_SIGNAL_AS));
	Synthesize();
	EXPECT_TRUE(IsCommandEnabled(ID_FILE_SAVE_SIGNAL_AS));
	EXPECT_TRUE(IsCommandEnabled(ID_FILE_SAVE_SIGNAL));
}

TEST_F(SavingTest, SaveAsWritesProvaSigAndNamesTheWindowAfterIt)
{
	Synthesize();
	SaveAs(m_folder.Path("prova"));

	EXPECT_EQ(Steps(), std::vector<std::string>{"file dialog: SenzaNome"});
	ASSERT_EQ(m_user.m_shown.back().nKind, ModalKind::FileDialog);
	EXPECT_EQ(m_user.m_shown.back().strCaption, "Salva con nome");
	const UINT nOptions = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
	EXPECT_EQ(m_user.m_shown.back().nType & nOptions, nOptions);
	EXPECT_EQ(m_folder.Names(), std::vector<std::string>{"prova.sig"});
	EXPECT_EQ(SignalPath(), m_folder.Path("prova.sig"));
	EXPECT_EQ(Caption(), " prova - Ondivar");
	EXPECT_FALSE(m_dlg.IsModified());
	EXPECT_FALSE(IsCommandEnabled(ID_FILE_SAVE_SIGNAL));

	// The next Save As offers the file just written; cancelling it changes nothing.
	Forget();
	Command(ID_FILE_SAVE_SIGNAL_AS);
	EXPECT_EQ(Steps(), std::vector<std::string>{"file dialog: " + m_folder.Path("prova.sig")});
	EXPECT_EQ(Caption(), " prova - Ondivar");
	EXPECT_EQ(SignalPath(), m_folder.Path("prova.sig"));
}

TEST_F(SavingTest, TheFileHoldsTheAmplitudeModulatedSignalOfTheDefaults)
{
	Synthesize();
	SaveAs(m_folder.Path("prova"));

	const std::vector<unsigned char> bytes = FileBytes(m_folder.Path("prova.sig"));
	ASSERT_EQ(bytes.size(), 52u + 16u * 1000u);
	// Type 3, the phase step, the peak Ap + Am, fp, T, no harmonics, 1000 samples.
	std::vector<unsigned char> header;
	AppendLittleEndian(header, 3, 4);
	for (double dValue : {0.25132741232, 1.5, 200000.0, 0.0002, 0.0})
		AppendLittleEndian(header, BitsOf(dValue), 8);
	AppendLittleEndian(header, 0, 4);
	AppendLittleEndian(header, 1000, 4);
	EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 52), header);

	// (Ap + Am cos ωm t) cos ωp t at 25 samples a carrier period, fm = fp / 20, against exact 2π:
	// the grid's rounded step and turn stay far inside the tolerance.
	const double dTwoPi = 2.0 * std::acos(-1.0);
	for (size_t i = 0; i < 1000; i++)
	{
		const double dX = DoubleAt(bytes, 52 + 16 * i);
		const double dY = DoubleAt(bytes, 60 + 16 * i);
		const double dTurns = static_cast<double>(i) / 25.0;
		ASSERT_NEAR(dX, dTurns * dTwoPi, 1e-7) << i;
		ASSERT_NEAR(dY, (1.0 + 0.5 * std::cos(dTwoPi * dTurns / 20.0)) * std::cos(dTwoPi * dTurns), 1e-6) << i;
	}
	EXPECT_EQ(DoubleAt(bytes, 60), 1.5);
}

TEST_F(SavingTest, TypedNamesGetSigOnlyWhenTheirOwnNameLacksIt)
{
	struct Case
	{
		const char* pszTyped;
		const char* pszWritten;
		const char* pszCaption;
	};
	const Case cases[] = {
		{"prova", "prova.sig", " prova - Ondivar"},
		{"dati.sig", "dati.sig", " dati - Ondivar"},
		{"MISURA.SIG", "MISURA.SIG", " MISURA - Ondivar"},
		{"cartella.sig/prova", "cartella.sig/prova.sig", " prova - Ondivar"},
		{"prova.txt", "prova.txt.sig", " prova.txt - Ondivar"},
	};
	std::filesystem::create_directory(m_folder.Path("cartella.sig"));
	Synthesize();
	for (const Case& test : cases)
	{
		SaveAs(m_folder.Path(test.pszTyped));
		EXPECT_EQ(SignalPath(), m_folder.Path(test.pszWritten)) << test.pszTyped;
		EXPECT_TRUE(std::filesystem::is_regular_file(m_folder.Path(test.pszWritten))) << test.pszTyped;
		EXPECT_EQ(Caption(), test.pszCaption) << test.pszTyped;
	}
	EXPECT_EQ(m_folder.Names(), (std::vector<std::string>{"MISURA.SIG", "cartella.sig", "dati.sig", "prova.sig",
		"prova.txt.sig"}));
	EXPECT_EQ(std::filesystem::directory_iterator(m_folder.Path("cartella.sig"))->path().filename().string(), "prova.sig");
	EXPECT_TRUE(m_user.BoxTexts().empty());
}

TEST_F(SavingTest, AFailedSaveKeepsTheNameTriedAndTheSignalUnsaved)
{
	// A folder in the way of the file, and a folder that takes no files even from root.
	std::filesystem::create_directory(m_folder.Path("occupato.dat.sig"));
	const std::string targets[] = {m_folder.Path("occupato.dat"), "/proc/prova.dat"};
	Synthesize();
	for (const std::string& strTarget : targets)
	{
		const std::string strOffered = SignalPath().empty() ? "SenzaNome" : SignalPath();
		Forget();
		SaveAs(strTarget);
		EXPECT_EQ(Steps(), (std::vector<std::string>{"file dialog: " + strOffered, TEXT_SAVE_FAILED}))
			<< strTarget;
		EXPECT_EQ(LastBoxType(), static_cast<UINT>(MB_OK | MB_ICONSTOP));
		EXPECT_EQ(SignalPath(), strTarget + ".sig");
		EXPECT_TRUE(m_dlg.IsModified());
		EXPECT_EQ(Caption(), " Ondivar");
		EXPECT_TRUE(IsCommandEnabled(ID_FILE_SAVE_SIGNAL));
	}
	EXPECT_EQ(m_folder.Names(), std::vector<std::string>{"occupato.dat.sig"});
}

TEST_F(SavingTest, SaveAfterAFailureTriesTheSamePathWithoutAsking)
{
	std::filesystem::create_directory(m_folder.Path("prova.dat.sig"));
	Synthesize();
	SaveAs(m_folder.Path("prova.dat"));
	ASSERT_EQ(m_user.BoxTexts(), std::vector<std::string>{TEXT_SAVE_FAILED});

	std::filesystem::remove(m_folder.Path("prova.dat.sig"));
	Forget();
	Command(ID_FILE_SAVE_SIGNAL);
	EXPECT_TRUE(Steps().empty());
	EXPECT_EQ(FileBytes(m_folder.Path("prova.dat.sig")), SerializedBytes(m_dlg.m_sigModulated));
	EXPECT_EQ(Caption(), " prova.dat - Ondivar");
	EXPECT_FALSE(m_dlg.IsModified());
}

TEST_F(SavingTest, AWriteThatFailsHalfWayKeepsTheEarlierFileAndCaption)
{
	Synthesize();
	SaveAs(m_folder.Path("prova"));
	const std::vector<unsigned char> earlier = FileBytes(m_folder.Path("prova.sig"));
	ParamInput longer;
	longer.simTime = "0.0007";
	Synthesize(longer);
	ASSERT_EQ(m_dlg.m_sigModulated.m_nPoints, 3000u);

	{
		// The earlier file of 16052 bytes fits; the new one of 48052 does not.
		CFileSizeLimit limit(20000);
		Command(ID_FILE_SAVE_SIGNAL);
	}
	EXPECT_EQ(m_user.BoxTexts(), std::vector<std::string>{TEXT_SAVE_FAILED});
	EXPECT_EQ(FileBytes(m_folder.Path("prova.sig")), earlier);
	EXPECT_EQ(m_folder.Names(), std::vector<std::string>{"prova.sig"});
	EXPECT_TRUE(m_dlg.IsModified());
	EXPECT_EQ(Caption(), " prova - Ondivar");
}
