// The name of the PDF file a document goes to when no printer is installed.
#pragma once

#include "framework/core/String.h"

#include <functional>

// "<folder>/<document name>.pdf", or with " (2)", " (3)", ... before the extension while fnExists
// says the name is taken. Characters a file name cannot hold become '-'; a nameless document is
// called "Documento".
CString UniquePdfPath(const CString& strFolder, const CString& strDocName,
	const std::function<bool(const CString&)>& fnExists);
