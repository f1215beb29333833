// CFourierApp: the analyser's application object. It runs the analyser's window as a modal
// dialog, with the file named on the command line; the program ends when the window closes.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/window/WinApp.h"

class CFourierApp : public CWinApp
{
public:
	CFourierApp();

	// "ondivar-fourier [FILE]": the first argument that is not an option is the file to open.
	void ParseCommandLine(int argc, char* argv[]);
	// Always FALSE, once the window has closed: there is no message loop after it.
	BOOL InitInstance() override;

	CString m_strFileToOpen;
};
