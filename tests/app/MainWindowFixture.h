// A main window open without its modal loop, a scripted user, and scripts for the parameters
// dialog as a user fills it in.
#pragma once

#include "app/MainDlg.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

// The texts a user types into the parameters dialog; nullptr leaves a field as it opened.
// nVariant is the radio button to click (0: none).
struct ParamInput
{
	const char* ampCarrier = nullptr;
	const char* freqCarrier = nullptr;
	const char* ampMod = nullptr;
	const char* freqMod = nullptr;
	const char* simTime = nullptr;
	UINT nVariant = 0;
};

// Types the input and presses OK. Should the dialog stay open (a refused value), it then
// checks what the test asks and presses Cancel, so the run always ends.
std::function<void(CDialog&)> EnterParams(const ParamInput& input,
	std::function<void(CDialog&)> fnWhileOpen = nullptr);
// Presses Cancel at once.
std::function<void(CDialog&)> CancelParams();
// Checks the dialog as it opened, then presses Cancel.
std::function<void(CDialog&)> InspectParams(std::function<void(CDialog&)> fnInspect);

// The text of a dialog's control.
std::string ItemText(CDialog& dlg, UINT nID);

class MainWindowTest : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	// Sends the command as the menu or the toolbar does.
	void Command(UINT nID);
	// The enabled state that the update pass gives the command.
	BOOL IsCommandEnabled(UINT nID);
	std::string Caption();
	// The next message boxes take these answers, in order.
	void AnswerBoxes(const std::deque<INT_PTR>& answers);

	CScriptedUser m_user;
	CMainDlg m_dlg;
};
