// The main window with a scratch folder to save into, and the steps the saving tests repeat.
#pragma once

#include "tests/app/MainWindowFixture.h"
#include "tests/app/saving/SavingSupport.h"
#include "tests/support/Files.h"

#include <string>
#include <vector>

class SavingWindowTest : public MainWindowTest
{
protected:
	// An amplitude run confirmed with the input (defaults: A.M. with index 0.5, no offer).
	void Synthesize(const ParamInput& input = ParamInput());
	// "Salva con Nome..." answered with the path.
	void SaveAs(const std::string& strPath);
	std::string SignalPath() const;

	// What the user met since the last Forget, parameter dialogs left out: a message box as its
	// text, a file dialog as "file dialog: " and the name it offered, the shell as its verb and
	// the path.
	std::vector<std::string> Steps() const;
	// The MB_ flags of the last message box.
	UINT LastBoxType() const;
	void Forget();

	// Ampiezza Modulante 1.5 over Ampiezza Portante 1: index 1.5, the Fourier offer follows.
	static ParamInput OverModulated();

	CScratchFolder m_folder;
};
