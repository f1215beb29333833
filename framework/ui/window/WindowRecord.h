// CWindowRecord: what an HWND points at. It keeps the state the Windows platform keeps for a
// window (class, styles, id, text, relations, geometry, update region, menus, font, icons and
// timers) and tells the toolkit's driver of every change that shows.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/PixelRegion.h"
#include "framework/core/String.h"
#include "framework/ui/window/WindowClass.h"
#include "framework/ui/window/WndTypes.h"

#include <map>
#include <memory>
#include <vector>

class CDC;
class CWnd;

struct HWND__
{
};

class CWindowRecord : public HWND__
{
public:
	CWindowRecord(const WindowClassRecord* pClass, DWORD dwStyle, DWORD dwExStyle, UINT nID, CWindowRecord* pParent);
	~CWindowRecord();

	CWindowRecord(const CWindowRecord&) = delete;
	CWindowRecord& operator=(const CWindowRecord&) = delete;

	// Null for a handle that is not (or no longer) a live window.
	static CWindowRecord* FromHandle(HWND hWnd);
	HWND Handle();
	static const std::vector<CWindowRecord*>& LiveWindows();
	static CWindowRecord* Desktop();
	// The live top-level windows but the desktop, in creation order.
	static std::vector<HWND> TopLevelWindows();

	// Sends to the attached CWnd, or to the class's default processing when none is attached.
	LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);
	LRESULT CallClassProc(UINT message, WPARAM wParam, LPARAM lParam);
	// Sends a message made from the toolkit's input; true when the native window must not take the
	// input as well (it takes it when the window's default processing passed it on).
	bool SendInput(UINT message, WPARAM wParam, LPARAM lParam);
	// The default processing of a native control lets the native window have the input being sent.
	void PassInputToNative();

	bool IsChildWindow() const;
	bool IsVisibleOnScreen() const;
	bool IsEnabledForInput() const;
	CWindowRecord* TopLevel();
	bool IsDescendantOf(const CWindowRecord* pAncestor) const;
	CWnd* TemporaryWnd();

	// Geometry: the border thicknesses of the style, the client area and where it lies.
	CRect NonClientMargins() const;
	CSize ClientSize() const;
	CPoint ClientOriginOnScreen() const;
	CRect WindowRectOnScreen() const;
	// Where the client area starts inside the native window: the border for a child window, the
	// menu bar for a top-level one, whose frame belongs to the desktop.
	CPoint ClientOffsetInNative() const;
	// Moves and sizes the window (m_rcWindow coordinates) and sends WM_MOVE and WM_SIZE on change.
	void SetWindowRect(const CRect& rcWindow, bool bRepaint);
	// Tells the driver where the native windows of this window and its children lie.
	void ApplyGeometry();
	// Stacks the window right below hWndInsertAfter, a sibling, or at an HWND_ place; a window
	// that is not a sibling leaves the stacking as it is.
	void PlaceInZOrder(HWND hWndInsertAfter);
	// Makes a child window the child of pNewParent, on top of its new siblings and at the same
	// place in the new parent's client area.
	void MoveToParent(CWindowRecord* pNewParent);
	// The desktop's frame of a top-level window from its styles, told to the driver.
	void ApplyDesktopFrame();

	// Painting
	bool PaintsOnSurface() const;
	void Invalidate(const PixelRegion& region, bool bErase);
	void InvalidateClient(bool bErase);
	void Validate(const PixelRegion& region);
	// Sends WM_PAINT now when the update region is not empty.
	void PaintPending();
	// BeginPaint and EndPaint: dc draws on the surface clipped to the update region, which empties.
	void BeginPaint(CDC& dc, PAINTSTRUCT& ps);
	void EndPaint(CDC& dc, const PAINTSTRUCT& ps);
	// The border the framework draws around a child's client area.
	NonClientLook NonClientAppearance() const;
	void RequestNativePaint();

	void Show(bool bShow, int nCmdShow);

	const WindowClassRecord* m_pClass;
	DWORD m_dwStyle;
	DWORD m_dwExStyle;
	UINT m_nID;
	CString m_strText;
	// The parent of a child window, the owner of a top-level one.
	CWindowRecord* m_pParent;
	std::vector<CWindowRecord*> m_children;
	CWnd* m_pWnd;
	// The window has a native window (every window but the desktop, once created).
	bool m_bNative;
	// In the parent's client coordinates for a child window, on the screen for a top-level one.
	CRect m_rcWindow;

	PixelRegion m_updateRegion;
	PixelRegion m_paintRegion;
	bool m_bErasePending;
	int m_nBeginPaints;

	// The menu bar (shown inside the native window above the client area, m_nMenuBarHeight tall)
	// and the window menu, both destroyed with the window.
	HMENU m_hMenu;
	HMENU m_hSystemMenu;
	int m_nMenuBarHeight;

	HFONT m_hFont;
	HICON m_hIconBig;
	HICON m_hIconSmall;
	bool m_bIconic;
	bool m_bZoomed;
	// The order in which the desktop activated top-level windows: larger is more recent.
	unsigned m_nActivation;
	// A modal window is marked so for the desktop, which keeps it above its owner.
	bool m_bModalFrame;
	// In a top-level window: the window in it that had the keyboard focus last.
	HWND m_hLastFocus;

	// Timers by event id, with the callback, if any.
	std::map<UINT_PTR, TIMERPROC> m_timers;

	// While input from the toolkit is sent: whether the native window is to take it too.
	bool m_bSendingInput;
	bool m_bInputToNative;

	bool m_bDestroying;	// between DestroyWindow and the end of WM_NCDESTROY
	bool m_bDead;	// gone: the handle no longer names a window
	int m_nSendDepth;

private:
	std::unique_ptr<CWnd> m_pTempWnd;
};

// Makes the native window of a new window.
void CreateNativeWindowFor(CWindowRecord& record);
// Destroys the window and its children and owned windows (WM_DESTROY, WM_NCDESTROY, PostNcDestroy).
void DestroyWindowRecord(CWindowRecord* pRecord);
