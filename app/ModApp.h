// CModApp: the application object. It shows the splash picture, then runs the main window as a
// modal dialog; the program ends when that window closes.
#pragma once

#include "framework/ui/window/WinApp.h"

class CModApp : public CWinApp
{
public:
	CModApp();

	// Always FALSE, once the main window has closed: there is no message loop after it.
	BOOL InitInstance() override;

	DECLARE_MESSAGE_MAP()
};
