// The analyser's window open without its modal loop, a scripted user, a scratch folder, signal
// files written as Ondivar writes them, and what a user reads in the window.
#pragma once

#include "analyser/FourierDlg.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

typedef std::vector<std::vector<std::string>> TableText;

class AnalyserWindowTest : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	void Command(UINT nID);
	// Whether the update pass checks the command's menu item.
	BOOL IsCommandChecked(UINT nID);
	std::string Caption();
	std::string ItemText(UINT nID);
	// The table as the user reads it: the headings, then the cells row by row.
	TableText Table();
	// The window's table is the expected one: numbers within a millionth (the analysis takes 2π
	// to ten digits, and the table shows ten decimals), other texts the same.
	void ExpectTable(const TableText& expected);
	// The next file dialog is answered with the path.
	void ChooseNextFile(const std::string& strPath);

	// Ondivar's signal file of the samples: kind 3 on its grid of carrier phases at dCarrier Hz.
	std::string WriteSignalFile(const std::string& strName, const std::vector<double>& samples, double dCarrier);
	// 100 samples of 0.5 + 2 cos 3θ + 0.5 sin 5θ, θ running once round the record, saved with a
	// carrier of 1000 Hz: 25 samples a period, so the record lasts 0.004 s.
	std::string WriteKnownSignal(const std::string& strName = "nota.sig");
	// The known signal's table, its significant rows: the mean, harmonics 3 and 5.
	static TableText KnownTable();

	CScriptedUser m_user;
	CScratchFolder m_folder;
	CFourierDlg m_dlg;
};
