// The owner of one of Qt's own modal dialogs (message box, file dialog, print dialog).
#pragma once

#include "framework/core/Handles.h"

class CWnd;
class QWidget;

// While the dialog shows its owner is disabled, as on Windows; afterwards the owner is enabled and
// activated again, so the keyboard goes back to it at once.
class CQtModalOwner
{
public:
	// pOwner may be a control or null; the dialog is owned by its top-level window.
	explicit CQtModalOwner(CWnd* pOwner);
	~CQtModalOwner();

	CQtModalOwner(const CQtModalOwner&) = delete;
	CQtModalOwner& operator=(const CQtModalOwner&) = delete;

	// The parent widget to give the Qt dialog; null without an owner.
	QWidget* Widget() const;

private:
	HWND m_hOwner;
	bool m_bReenable;
};
