// The offer of Fourier analysis after an over-modulated amplitude run: the questions, the save
// it needs and the hand-off of the saved file to the desktop.
#include "app/resources/AppResourceIds.h"
#include "framework/core/CommonDialogConstants.h"
#include "tests/app/saving/SavingFixture.h"

#include <filesystem>

using FourierOfferTest = SavingWindowTest;

TEST_F(FourierOfferTest, YesToBothSavesThenOpensTheSavedFile)
{
	CShellWitness shell(m_user);
	AnswerBoxes({IDYES, IDYES});
	m_user.Then(ModalKind::FileDialog, ChooseFile(m_folder.Path("prova")));
	Synthesize(OverModulated());

	const std::string strSaved = m_folder.Path("prova.sig");
	EXPECT_EQ(Steps(), (std::vector<std::string>{TEXT_FOURIER_OFFER, TEXT_SAVE_BEFORE_FOURIER,
		"file dialog: SenzaNome", "open " + strSaved}));
	for (const ShownRequest& item : m_user.m_shown)
	{
		if (item.nKind == ModalKind::MessageBox)
		{
			EXPECT_EQ(item.nType, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION)) << item.strText;
		}
		else if (item.nKind == ModalKind::ShellOpen)
		{
			EXPECT_EQ(item.nType, static_cast<UINT>(SW_SHOW));
		}
	}
	EXPECT_EQ(shell.m_bytesAtOpen, SerializedBytes(m_dlg.m_sigModulated));
	EXPECT_EQ(Caption(), " prova - Ondivar");
	EXPECT_FALSE(m_dlg.IsModified());
}

TEST_F(FourierOfferTest, NoToEitherQuestionLeavesTheSignalUnsaved)
{
	const std::deque<INT_PTR> answers[] = {{IDNO}, {IDYES, IDNO}};
	for (const std::deque<INT_PTR>& answer : answers)
	{
		Forget();
		AnswerBoxes(answer);
		Synthesize(OverModulated());
		const std::vector<std::string> asked = {TEXT_FOURIER_OFFER, TEXT_SAVE_BEFORE_FOURIER};
		EXPECT_EQ(Steps(), std::vector<std::string>(asked.begin(), asked.begin() + answer.size()));
		EXPECT_EQ(m_dlg.m_params.modIndex, 1.5);
		EXPECT_EQ(m_dlg.m_sigModulated.m_nPoints, 1000u);
		EXPECT_TRUE(m_dlg.IsModified());
		EXPECT_TRUE(SignalPath().empty());
		EXPECT_EQ(Caption(), " Ondivar");
	}
	EXPECT_TRUE(m_folder.Names().empty());
}

TEST_F(FourierOfferTest, NoSavedSignalMeansNoAnalysis)
{
	struct Case
	{
		const char* pszFileAnswer;
		std::vector<std::string> saveBoxes;
	};
	const Case cases[] = {
		{"", {}},
		{"/proc/prova", {TEXT_SAVE_FAILED}},
	};
	for (const Case& test : cases)
	{
		Forget();
		AnswerBoxes({IDYES, IDYES});
		m_user.Then(ModalKind::FileDialog, ChooseFile(test.pszFileAnswer));
		Synthesize(OverModulated());
		std::vector<std::string> expected = {TEXT_FOURIER_OFFER, TEXT_SAVE_BEFORE_FOURIER, "file dialog: SenzaNome"};
		expected.insert(expected.end(), test.saveBoxes.begin(), test.saveBoxes.end());
		expected.push_back(TEXT_FOURIER_NOT_SAVED);
		EXPECT_EQ(Steps(), expected) << test.pszFileAnswer;
		EXPECT_EQ(LastBoxType(), static_cast<UINT>(MB_OK | MB_ICONSTOP));
		EXPECT_TRUE(m_dlg.IsModified());
	}
}

TEST_F(FourierOfferTest, AShellAnswerOf32OrLessIsAFailureAndTheFileStays)
{
	struct Case
	{
		INT_PTR nShellAnswer;
		bool bFails;
	};
	const Case cases[] = {{SE_ERR_NOASSOC, true}, {32, true}, {33, false}};
	m_user.Then(ModalKind::FileDialog, ChooseFile(m_folder.Path("prova")));
	for (const Case& test : cases)
	{
		Forget();
		AnswerBoxes({IDYES, IDYES});
		m_user.Otherwise(ModalKind::ShellOpen, test.nShellAnswer);
		Synthesize(OverModulated());
		const std::vector<std::string> boxes = m_user.BoxTexts();
		ASSERT_FALSE(boxes.empty());
		EXPECT_EQ(boxes.back() == TEXT_FOURIER_FAILED, test.bFails) << test.nShellAnswer;
		EXPECT_EQ(boxes.size(), test.bFails ? 3u : 2u) << test.nShellAnswer;
		if (test.bFails)
		{
			EXPECT_EQ(LastBoxType(), static_cast<UINT>(MB_OK | MB_ICONSTOP));
		}
		EXPECT_TRUE(std::filesystem::is_regular_file(m_folder.Path("prova.sig")));
		EXPECT_FALSE(m_dlg.IsModified());
	}
}

TEST_F(FourierOfferTest, AfterASaveTheFileIsWrittenAgainWithoutAFileDialog)
{
	AnswerBoxes({IDNO});
	Synthesize(OverModulated());
	SaveAs(m_folder.Path("prova"));
	ASSERT_FALSE(m_dlg.IsModified());
	std::filesystem::remove(m_folder.Path("prova.sig"));
	Forget();

	// The spectrum command of an over-modulated amplitude run makes the offer again, with the
	// signal already saved.
	CShellWitness shell(m_user);
	AnswerBoxes({IDYES, IDYES});
	Command(ID_SPECTRUM);
	EXPECT_EQ(Steps(), (std::vector<std::string>{TEXT_FOURIER_OFFER, TEXT_SAVE_BEFORE_FOURIER,
		"open " + m_folder.Path("prova.sig")}));
	EXPECT_EQ(shell.m_bytesAtOpen, SerializedBytes(m_dlg.m_sigModulated));
}
