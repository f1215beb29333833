// CWnd: windows and their messages.
