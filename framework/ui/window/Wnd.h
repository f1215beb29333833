// CWnd: the framework object attached to a window. It sends and receives the window's messages,
// routes them through its message map and gives the window's state, geometry and painting.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/String.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/window/CmdTarget.h"
#include "framework/ui/window/ToolInfo.h"
#include "framework/ui/window/WndMsgMap.h"
#include "framework/ui/window/WndTypes.h"

class CDC;
class CFont;
class CMenu;
class CScrollBar;

// Framework flags in CWnd::m_nFlags, with the Windows framework's values.
constexpr UINT WF_TOOLTIPS = 0x0001;
constexpr UINT WF_MODALLOOP = 0x0008;
constexpr UINT WF_CONTINUEMODAL = 0x0010;
constexpr UINT WF_NOPOPMSG = 0x0040;

// RunModalLoop flags
constexpr DWORD MLF_NOIDLEMSG = 0x0001;
constexpr DWORD MLF_NOKICKIDLE = 0x0002;
constexpr DWORD MLF_SHOWONIDLE = 0x0004;

class CWnd : public CCmdTarget
{
	DECLARE_DYNCREATE(CWnd)

public:
	CWnd();
	// Destroys the window if it still exists.
	~CWnd() override;

	CWnd(const CWnd&) = delete;
	CWnd& operator=(const CWnd&) = delete;

	HWND m_hWnd;
	UINT m_nFlags;

	// Places for SetWindowPos's pWndInsertAfter: above or below all siblings, and for a top-level
	// window into or out of the windows kept above all others (for a child these two mean the top).
	static const CWnd wndTop;
	static const CWnd wndBottom;
	static const CWnd wndTopMost;
	static const CWnd wndNoTopMost;

	operator HWND() const;
	HWND GetSafeHwnd() const;
	// The CWnd attached to hWnd, or a temporary one that lives as long as the window; null for
	// a handle that is not a window.
	static CWnd* FromHandle(HWND hWnd);
	static CWnd* FromHandlePermanent(HWND hWnd);
	BOOL Attach(HWND hWndNew);
	HWND Detach();
	// After subclassing this object receives the window's messages first; Default() and
	// DefWindowProc reach the window's own behaviour.
	BOOL SubclassWindow(HWND hWnd);
	BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
	HWND UnsubclassWindow();

	// Creation. A null or empty class name makes a plain window of the framework's own class.
	virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
		CWnd* pParentWnd, UINT nID);
	BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
		int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
	BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
		CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
	virtual BOOL DestroyWindow();
	// Called after WM_NCDESTROY, when the window is gone; self-deleting windows delete this here.
	virtual void PostNcDestroy();

	// Messages
	LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
	BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
	void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
		BOOL bOnlyPerm = FALSE);
	virtual BOOL PreTranslateMessage(MSG* pMsg);

	// Styles, ids and relations
	DWORD GetStyle() const;
	DWORD GetExStyle() const;
	BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
	BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
	int GetDlgCtrlID() const;
	int SetDlgCtrlID(int nID);
	CWnd* GetParent() const;
	// Moves a child window into pWndNewParent, keeping its position in client coordinates (so it
	// moves on the screen) and putting it on top of its new siblings; returns the old parent.
	// Only child windows change parent here; a top-level window keeps its owner (null returned).
	CWnd* SetParent(CWnd* pWndNewParent);
	CWnd* GetOwner() const;
	CWnd* GetTopLevelParent() const;
	// The window a modal window opened for pParent (the main window when null) is owned by: the
	// last active pop-up of pParent's top-level window, that is the window active when it opens.
	static CWnd* GetSafeOwner(CWnd* pParent = nullptr);
	CWnd* GetDlgItem(int nID) const;
	BOOL IsChild(const CWnd* pWnd) const;
	// GW_CHILD gives the first child; GW_HWNDNEXT/PREV walk the siblings in creation order.
	CWnd* GetWindow(UINT nCmd) const;
	CWnd* GetTopWindow() const;
	CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
	static CWnd* GetDesktopWindow();

	// Text
	void SetWindowText(LPCTSTR lpszString);
	int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
	void GetWindowText(CString& rString) const;
	int GetWindowTextLength() const;
	void SetDlgItemText(int nID, LPCTSTR lpszString);
	int GetDlgItemText(int nID, CString& rString) const;

	// Visibility and input state
	BOOL ShowWindow(int nCmdShow);
	BOOL IsWindowVisible() const;
	// Returns nonzero when the window was disabled before the call.
	BOOL EnableWindow(BOOL bEnable = TRUE);
	BOOL IsWindowEnabled() const;
	BOOL IsIconic() const;
	BOOL IsZoomed() const;
	// Files dropped from the desktop come as WM_DROPFILES (framework/ui/window/DropFiles.h).
	void DragAcceptFiles(BOOL bAccept = TRUE);
	// The clipboard opened by this window (framework/ui/services/Clipboard.h).
	BOOL OpenClipboard();

	// Geometry. The window rectangle includes the non-client border (WS_BORDER 1 pixel, client
	// edge 2 pixels, a dialog frame 3, a sizing frame 4, and the caption); the client area is the rest.
	void GetWindowRect(LPRECT lpRect) const;
	void GetClientRect(LPRECT lpRect) const;
	void ClientToScreen(LPPOINT lpPoint) const;
	void ClientToScreen(LPRECT lpRect) const;
	void ScreenToClient(LPPOINT lpPoint) const;
	void ScreenToClient(LPRECT lpRect) const;
	void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
	void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
	// Positions are in the parent's client coordinates, or on the screen for a top-level window.
	void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
	void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
	// Unless SWP_NOZORDER, the window goes right below pWndInsertAfter among its siblings, or to
	// the place one of the wnd... markers names; null is wndTop.
	BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
	void CenterWindow(CWnd* pAlternateOwner = nullptr);

	// Painting on the window's surface
	void Invalidate(BOOL bErase = TRUE);
	void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
	void ValidateRect(LPCRECT lpRect);
	void UpdateWindow();
	BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
	CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
	void EndPaint(LPPAINTSTRUCT lpPaint);
	CDC* GetDC();
	CDC* GetWindowDC();
	int ReleaseDC(CDC* pDC);

	// The menu bar of a top-level window, which takes room above the client area, and the window
	// menu (see GetSystemMenu(HWND, BOOL)).
	BOOL SetMenu(CMenu* pMenu);
	CMenu* GetMenu() const;
	void DrawMenuBar();
	CMenu* GetSystemMenu(BOOL bRevert) const;

	// Fonts and icons kept for the window
	void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
	CFont* GetFont() const;
	HICON SetIcon(HICON hIcon, BOOL bBigIcon);
	HICON GetIcon(BOOL bBigIcon) const;

	// Timers, mouse capture and keyboard focus
	UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
	BOOL KillTimer(UINT_PTR nIDEvent);
	CWnd* SetCapture();
	static CWnd* GetCapture();
	CWnd* SetFocus();
	static CWnd* GetFocus();
	// The top-level window the desktop has active; null when it is none of the program's.
	static CWnd* GetActiveWindow();

	// Tooltips for the window's own tools: while enabled, each mouse move in the window asks
	// OnToolHitTest which tool lies under the mouse; the tip shows after the hover delay, follows
	// the hit test to another tool and goes when the hit test finds none.
	BOOL EnableToolTips(BOOL bEnable = TRUE);
	// The tool's id (and pTI filled in), or -1 where there is none; the default finds none.
	virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
	// Hides the tip on screen; it shows again only after a new hover delay. bKeys, which in the
	// Windows framework also resets the status bar's prompt, changes nothing more here.
	static void CancelToolTips(BOOL bKeys = FALSE);

	int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

	// Modal loop: runs the event loop, with idle processing, until EndModalLoop; the window's
	// owner is disabled meanwhile, as on Windows. Returns the value given to EndModalLoop.
	int RunModalLoop(DWORD dwFlags = 0);
	virtual BOOL ContinueModal();
	virtual void EndModalLoop(int nResult);

	// Default processing of the current message by the window's own behaviour.
	LRESULT Default();
	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
	virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
	// Routes a message through the message map; FALSE when no entry took it.
	virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
	virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	// A control's notification reaches the control's own object first: TRUE when it took it, and
	// then the parent does not see it. The default offers it to the ON_..._REFLECT entries.
	virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

	// The default handlers pass the message on to Default().
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnDestroy();
	afx_msg void OnNcDestroy();
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnIconEraseBkgnd(CDC* pDC);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnMove(int x, int y);
	afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	afx_msg void OnClose();
	afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
	afx_msg void OnEnable(BOOL bEnable);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
	// zDelta: multiples of WHEEL_DELTA, positive away from the user; pt on the screen.
	afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
	// The default frees nothing: the drop stays the program's to finish with DragFinish.
	afx_msg void OnDropFiles(HDROP hDropInfo);
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnCaptureChanged(CWnd* pWnd);
	afx_msg UINT OnGetDlgCode();
	afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
	// A button goes down in the window while its top-level window (pDesktopWnd) is not active:
	// MA_ACTIVATE or MA_NOACTIVATE let the press through, the ...ANDEAT answers drop it, and the
	// activating answers activate pDesktopWnd. The default asks the parent first.
	afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
	afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
	afx_msg BOOL OnQueryNewPalette();
	afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
	// A top-level window passes the message on to every window inside it.
	afx_msg void OnSysColorChange();
	afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
	afx_msg HCURSOR OnQueryDragIcon();
	afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
	afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
	afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

	int m_nModalResult;

	DECLARE_MESSAGE_MAP()

private:
	// A marker standing for one of the HWND_ places; it never names a window.
	explicit CWnd(HWND hWndPlace);
};

// Calls pWnd's WindowProc with the message recorded as the current one, for Default().
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The window functions of the Windows API that work on handles.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int nExitCode);
BOOL IsWindow(HWND hWnd);
// The generic default processing that every window class falls back to.
LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The same value for the same name throughout the run, from MIN_REGISTERED_MESSAGE upwards.
UINT RegisterWindowMessage(LPCTSTR lpString);
// A window class of the program's own: its default processing, background, cursor and styles.
BOOL AfxRegisterClass(WNDCLASS* lpWndClass);
// Registers (once) a class with these attributes and returns its generated name.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
	HICON hIcon = nullptr);
