// The real file dialog behind the modal seam.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/services/FileDialog.h"
#include "framework/ui/services/FileDialogRules.h"

#include <vector>

class CWnd;

// A QFileDialog (Qt's own, so it looks the same on every desktop) starting from ofn's folder, name
// and filter, with the owner disabled while it shows. On IDOK the chosen path is in lpstrFile and
// the chosen filter in nFilterIndex.
INT_PTR ShowQtFileDialog(CWnd* pOwner, const CString& strCaption, BOOL bOpen, OPENFILENAME& ofn,
	const std::vector<FileFilter>& filters);
