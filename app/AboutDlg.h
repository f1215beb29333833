// CAboutDlg: the about box, with the icon, the version and two lines of credits.
#pragma once

#include "framework/ui/dialog/Dialog.h"

class CAboutDlg : public CDialog
{
public:
	CAboutDlg();
};
