// The real message box behind the modal seam.
#pragma once

#include "framework/core/String.h"
#include "framework/core/Types.h"

class CWnd;

// A Qt message box with the buttons, icon and default button of nType and Italian captions;
// the owner is disabled while it shows. Returns IDOK, IDCANCEL, IDYES, ...
INT_PTR ShowQtMessageBox(CWnd* pOwner, const CString& strCaption, const CString& strText, UINT nType);
