// The toolkit's own modal dialogs (message box, file and print dialogs) as the window model sees
// them: an owner disabled while one shows, and the message box shown for real.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CWnd;

// While the dialog shows its owner is disabled, as on Windows; afterwards the owner is enabled and
// activated again, so the keyboard goes back to it at once.
class CToolkitDialogOwner
{
public:
	// pOwner may be a control or null; the dialog is owned by its top-level window.
	explicit CToolkitDialogOwner(CWnd* pOwner);
	~CToolkitDialogOwner();

	CToolkitDialogOwner(const CToolkitDialogOwner&) = delete;
	CToolkitDialogOwner& operator=(const CToolkitDialogOwner&) = delete;

	// The top-level window to give the driver's dialog; null without an owner.
	HWND Handle() const;

private:
	HWND m_hOwner;
	bool m_bReenable;
};

// What a message box request shows past the modal seam: the toolkit's message box, owned by
// pOwner's top-level window. IDOK, IDCANCEL, IDYES, ...
INT_PTR ShowToolkitMessageBox(CWnd* pOwner, const CString& strCaption, const CString& strText, UINT nType);
