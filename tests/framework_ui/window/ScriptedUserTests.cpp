// The tests' scripted user behind the modal seam: the answer each request takes, the failure of a
// request nobody answers, and the seam it puts back when it goes.
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <iterator>

namespace
{

INT_PTR Ask(ModalKind nKind)
{
	ModalRequest request = {};
	request.nKind = nKind;
	request.strCaption = "Stampa";
	return AfxDoModalRequest(request);
}

TEST(ScriptedUserTest, ARequestTakesTheFirstAnswerInLineForItsKindOrAnyThenItsStandingAnswer)
{
	CScriptedUser user;
	user.Then(ModalKind::FileDialog, 11);
	user.Then(ModalKind::MessageBox, 12);
	user.Then(13);
	user.Then(ModalKind::MessageBox, 14);
	user.Otherwise(ModalKind::MessageBox, 15);
	user.Otherwise(ModalKind::ShellOpen, 16);
	user.Otherwise(ModalKind::ShellOpen, 17);
	const struct
	{
		ModalKind nKind;
		INT_PTR nAnswer;
	} steps[] = { { ModalKind::MessageBox, 12 }, { ModalKind::ShellOpen, 13 }, { ModalKind::MessageBox, 14 },
		{ ModalKind::FileDialog, 11 }, { ModalKind::MessageBox, 15 }, { ModalKind::ShellOpen, 17 },
		{ ModalKind::MessageBox, 15 } };
	for (const auto& step : steps)
	{
		EXPECT_EQ(step.nAnswer, Ask(step.nKind));
	}
	EXPECT_EQ(std::size(steps), user.m_shown.size());
}

TEST(ScriptedUserTest, ARequestNobodyAnswersFailsTheTestAndIsCancelled)
{
	CScriptedUser user;
	user.Then(ModalKind::MessageBox, IDOK);
	INT_PTR nAnswer = 0;
	EXPECT_NONFATAL_FAILURE(nAnswer = Ask(ModalKind::PrintDialog), "unexpected request: Stampa");
	EXPECT_EQ(IDCANCEL, nAnswer);
}

TEST(ScriptedUserTest, TheSeamBeforeComesBackWhenTheUserGoes)
{
	CScriptedUser outer;
	{
		CScriptedUser inner;
		EXPECT_EQ(&inner, AfxGetModalSeam());
	}
	EXPECT_EQ(&outer, AfxGetModalSeam());
}

}
