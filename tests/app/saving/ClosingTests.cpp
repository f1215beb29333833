// Closing the main window with "&Esci" (OK) or Escape and the close box (Cancel): the question
// about an unsaved signal and what each answer does.
#include "app/resources/AppResourceIds.h"
#include "tests/app/saving/SavingFixture.h"

#include <deque>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace
{
	struct CloseCase
	{
		const char* pszName;
		std::deque<INT_PTR> answers;
		const char* pszFileAnswer;	// nullptr: no file dialog expected
		bool bCloses;
		std::vector<std::string> laterBoxes;	// after the question
	};

	const CloseCase s_closeCases[] = {
		{"No", {IDNO}, nullptr, true, {}},
		{"Cancel", {IDCANCEL}, nullptr, false, {}},
		{"YesThenNoName", {IDYES}, "", false, {}},
		{"YesThenUnwritableFolder", {IDYES}, "/proc/prova", false, {TEXT_SAVE_FAILED}},
		{"YesThenAName", {IDYES}, "prova", true, {}},
	};
}

class ClosingTest : public SavingWindowTest
{
protected:
	void SetUp() override
	{
		SavingWindowTest::SetUp();
		m_dlg.ShowWindow(SW_SHOW);
	}
};

class ClosingAnswerTest : public ClosingTest, public ::testing::WithParamInterface<std::tuple<int, CloseCase>>
{
};

TEST_F(ClosingTest, RightAfterStartNothingIsAsked)
{
	for (const int nCommand : {IDOK, IDCANCEL})
	{
		m_dlg.ShowWindow(SW_SHOW);
		Command(static_cast<UINT>(nCommand));
		EXPECT_FALSE(m_dlg.IsWindowVisible()) << nCommand;
	}
	EXPECT_TRUE(m_user.m_shown.empty());
}

TEST_P(ClosingAnswerTest, AnUnsavedSignalIsAskedAbout)
{
	const UINT nCommand = static_cast<UINT>(std::get<0>(GetParam()));
	const CloseCase& test = std::get<1>(GetParam());
	Synthesize();
	Forget();
	AnswerBoxes(test.answers);
	std::vector<std::string> expected = {TEXT_SAVE_CHANGES};
	if (test.pszFileAnswer != nullptr)
	{
		const std::string strAnswer = test.pszFileAnswer;
		const std::string strPath = strAnswer.empty() || strAnswer[0] == '/' ? strAnswer : m_folder.Path(strAnswer);
		m_user.Then(ModalKind::FileDialog, ChooseFile(strPath));
		expected.push_back("file dialog: SenzaNome");
	}
	expected.insert(expected.end(), test.laterBoxes.begin(), test.laterBoxes.end());

	Command(nCommand);
	EXPECT_EQ(Steps(), expected);
	ASSERT_EQ(m_user.m_shown.front().nKind, ModalKind::MessageBox);
	EXPECT_EQ(m_user.m_shown.front().nType, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
	EXPECT_EQ(m_dlg.IsWindowVisible() != FALSE, !test.bCloses);
	const bool bSaved = std::filesystem::exists(m_folder.Path("prova.sig"));
	EXPECT_EQ(bSaved, test.bCloses && test.pszFileAnswer != nullptr);
	EXPECT_EQ(m_dlg.IsModified() != FALSE, !bSaved);
}

INSTANTIATE_TEST_SUITE_P(OkAndCancel, ClosingAnswerTest,
	::testing::Combine(::testing::Values(IDOK, IDCANCEL), ::testing::ValuesIn(s_closeCases)),
	[](const ::testing::TestParamInfo<ClosingAnswerTest::ParamType>& info)
	{
		return std::string(std::get<0>(info.param) == IDOK ? "Ok" : "Cancel") + std::get<1>(info.param).pszName;
	});

TEST_F(ClosingTest, YesWithAKnownPathSavesThereAndCloses)
{
	Synthesize();
	SaveAs(m_folder.Path("prova"));
	ParamInput longer;
	longer.simTime = "0.0007";
	Synthesize(longer);
	Forget();
	AnswerBoxes({IDYES});

	Command(IDOK);
	EXPECT_EQ(Steps(), std::vector<std::string>{TEXT_SAVE_CHANGES});
	EXPECT_FALSE(m_dlg.IsWindowVisible());
	EXPECT_EQ(FileBytes(m_folder.Path("prova.sig")), SerializedBytes(m_dlg.m_sigModulated));
	EXPECT_EQ(m_folder.Names(), std::vector<std::string>{"prova.sig"});
}

TEST_F(ClosingTest, AfterASaveNothingIsAsked)
{
	Synthesize();
	SaveAs(m_folder.Path("prova"));
	Forget();

	Command(IDCANCEL);
	EXPECT_TRUE(m_user.m_shown.empty());
	EXPECT_FALSE(m_dlg.IsWindowVisible());
}

TEST_F(ClosingTest, TheCloseBoxAsksAsEscapeDoes)
{
	Synthesize();
	Forget();
	AnswerBoxes({IDCANCEL, IDNO});
	m_dlg.SendMessage(WM_CLOSE);
	EXPECT_EQ(Steps(), std::vector<std::string>{TEXT_SAVE_CHANGES});
	EXPECT_TRUE(m_dlg.IsWindowVisible());
	m_dlg.SendMessage(WM_CLOSE);
	EXPECT_FALSE(m_dlg.IsWindowVisible());
}
