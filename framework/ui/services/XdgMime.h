// What the desktop knows about a file, asked of xdg-mime and read from its desktop entries, and
// the start of its opener, xdg-open. Qt's own opener reports success even when nothing can open
// the file, so it is not used.
#pragma once

#include "framework/core/String.h"

// The MIME type of the file ("text/plain"); empty when it cannot be told.
CString XdgQueryFileType(const CString& strPath);
// The desktop entry that opens files of the type ("org.gnome.gedit.desktop"); empty for none.
CString XdgQueryDefaultApplication(const CString& strMimeType);
// Starts xdg-open on the file, detached from the program: in a session of its own, with nothing of
// the program's open (its input and output go to /dev/null), never waited for past nGraceMs
// milliseconds and never left a zombie. Meanwhile the windows repaint but take no input, as a
// Windows program's do while its shell call runs. The answer is xdg-open's exit code when it ended
// within the grace period (0: opened); 0 too when it still runs, since without a desktop
// environment xdg-open runs the application in its own foreground; -1 when it could not be started
// or was killed.
int XdgOpen(const CString& strPath, int nGraceMs);

// The desktop entry file of that id in the data folders (XDG_DATA_HOME, then XDG_DATA_DIRS), each
// dash of the id standing for a dash or a subfolder ("vendor-app.desktop" may be
// vendor/app.desktop); empty when there is none.
CString XdgFindDesktopEntry(const CString& strEntryId);
// The program file that the desktop entry file would start: an application entry, not hidden,
// whose Exec program (and TryExec, when given) is a path or on PATH and can be run. Empty when
// it is no such entry.
CString XdgDesktopEntryProgram(const CString& strEntryPath);
// A program name as a shell finds it: a name with a slash as it is, any other on PATH; empty when
// it is no file that can be run.
CString XdgFindProgram(const CString& strName);

// The MIME type in the output of "xdg-mime query filetype": its first line, without parameters
// ("; charset=..."); empty when it is not of the form type/subtype.
CString ParseMimeType(const CString& strOutput);
// The desktop entry in the output of "xdg-mime query default"; empty when there is none.
CString ParseDesktopEntry(const CString& strOutput);

// What a desktop entry's text says about starting it.
struct DesktopEntryLaunch
{
	BOOL bApplication;	// its first group is [Desktop Entry], of Type=Application, not Hidden
	CString strProgram;	// the first word of Exec, unquoted; empty without Exec
	CString strTryExec;
};
DesktopEntryLaunch ParseDesktopEntryLaunch(const CString& strText);
