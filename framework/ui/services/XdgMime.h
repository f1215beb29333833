// What the desktop knows about a file, asked of xdg-mime, and the start of its opener, xdg-open.
// Qt's own opener reports success even when nothing can open the file, so it is not used.
#pragma once

#include "framework/core/String.h"

// The MIME type of the file ("text/plain"); empty when it cannot be told.
CString XdgQueryFileType(const CString& strPath);
// The desktop entry that opens files of the type ("org.gnome.gedit.desktop"); empty for none.
CString XdgQueryDefaultApplication(const CString& strMimeType);
// Starts xdg-open on the file without waiting for it; FALSE when it cannot be started.
BOOL XdgOpenDetached(const CString& strPath);

// The MIME type in the output of "xdg-mime query filetype": its first line, without parameters
// ("; charset=..."); empty when it is not of the form type/subtype.
CString ParseMimeType(const CString& strOutput);
// The desktop entry in the output of "xdg-mime query default"; empty when there is none.
CString ParseDesktopEntry(const CString& strOutput);
