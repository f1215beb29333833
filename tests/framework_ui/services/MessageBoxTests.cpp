// Message boxes: the buttons, Italian captions, default button, icon and closing answer of each
// kind, and what a box asks of the seam.
#include "framework/ui/services/MessageBoxLayout.h"
#include "framework/ui/window/Wnd.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>

namespace
{

// The letters that choose the buttons, as typed: one per button, none twice.
std::string Mnemonics(UINT nType)
{
	std::string strLetters;
	for (const MessageBoxButton& button : MessageBoxButtons(nType))
	{
		const char* pAmpersand = std::strchr(button.lpszCaption, '&');
		if (pAmpersand != nullptr)
		{
			strLetters += static_cast<char>(std::toupper(static_cast<unsigned char>(pAmpersand[1])));
		}
	}
	return strLetters;
}

std::string Captions(UINT nType)
{
	std::string strCaptions;
	for (const MessageBoxButton& button : MessageBoxButtons(nType))
	{
		strCaptions += std::string(strCaptions.empty() ? "" : "|") + button.lpszCaption + "=" + std::to_string(button.nResult);
	}
	return strCaptions;
}

struct BoxCase
{
	UINT nType;
	const char* pszButtons;
	size_t nDefault;
	MessageBoxIcon icon;
	int nEscape;
};

TEST(MessageBoxLayoutTest, EachKindShowsItsButtonsDefaultIconAndClosingAnswer)
{
	const BoxCase cases[] = {
		{ MB_OK | MB_ICONSTOP, "OK=1", 0, MessageBoxIcon::Stop, IDOK },
		{ MB_OKCANCEL, "OK=1|&Annulla=2", 0, MessageBoxIcon::None, IDCANCEL },
		{ MB_YESNO | MB_ICONQUESTION, "&Sì=6|&No=7", 0, MessageBoxIcon::Question, 0 },
		{ MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, "&Sì=6|&No=7", 1, MessageBoxIcon::Question, 0 },
		{ MB_YESNOCANCEL | MB_ICONQUESTION, "&Sì=6|&No=7|&Annulla=2", 0, MessageBoxIcon::Question, IDCANCEL },
		{ MB_YESNOCANCEL | MB_DEFBUTTON3, "&Sì=6|&No=7|&Annulla=2", 2, MessageBoxIcon::None, IDCANCEL },
		// A default button the box does not have falls back to the first.
		{ MB_OK | MB_DEFBUTTON3 | MB_ICONEXCLAMATION, "OK=1", 0, MessageBoxIcon::Exclamation, IDOK },
		{ MB_RETRYCANCEL | MB_ICONINFORMATION, "&Riprova=4|&Annulla=2", 0, MessageBoxIcon::Information, IDCANCEL },
		{ MB_ABORTRETRYIGNORE, "&Interrompi=3|&Riprova=4|I&gnora=5", 0, MessageBoxIcon::None, 0 },
	};
	for (const BoxCase& box : cases)
	{
		SCOPED_TRACE(box.nType);
		EXPECT_EQ(box.pszButtons, Captions(box.nType));
		EXPECT_EQ(box.nDefault, MessageBoxDefaultButton(box.nType));
		EXPECT_EQ(box.icon, MessageBoxIconOf(box.nType));
		EXPECT_EQ(box.nEscape, MessageBoxEscapeResult(box.nType));
		const std::string strLetters = Mnemonics(box.nType);
		EXPECT_EQ(strLetters.size(), std::set<char>(strLetters.begin(), strLetters.end()).size()) << strLetters;
	}
}

class CPlainWindow : public CWnd
{
};

TEST(MessageBoxSeamTest, WindowBoxesCarryOwnerCaptionFlagsAndReturnTheAnswer)
{
	CPlainWindow owner;
	ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 60, 40), nullptr, 0));
	CScriptedUser seam;
	seam.Then(IDCANCEL);
	EXPECT_EQ(IDCANCEL, owner.MessageBox("Vuoi salvare le modifiche?", "Ondivar", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3));

	ASSERT_EQ(1u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::MessageBox, seam.m_shown[0].nKind);
	EXPECT_EQ(&owner, seam.m_shown[0].pOwner);
	EXPECT_EQ("Ondivar", seam.m_shown[0].strCaption);
	EXPECT_EQ("Vuoi salvare le modifiche?", seam.m_shown[0].strText);
	EXPECT_EQ(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3, seam.m_shown[0].nType);
}

}
