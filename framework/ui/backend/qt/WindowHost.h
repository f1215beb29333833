// CWindowHost: what an HWND points at. It owns the window's widget and surface and keeps the
// state the Windows platform keeps for a window: class, styles, id, text, relations and geometry.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/backend/qt/WindowClass.h"
#include "framework/ui/window/WndTypes.h"

#include <QImage>
#include <QRegion>

#include <map>
#include <memory>
#include <vector>

class CDC;
class CWnd;
class QEvent;
class QPainter;
class QObject;
class QWidget;

struct HWND__
{
};

class CWindowHost : public HWND__
{
public:
	CWindowHost(const WindowClassRecord* pClass, DWORD dwStyle, DWORD dwExStyle, UINT nID, CWindowHost* pParent);
	~CWindowHost();

	CWindowHost(const CWindowHost&) = delete;
	CWindowHost& operator=(const CWindowHost&) = delete;

	// Null for a handle that is not (or no longer) a live window.
	static CWindowHost* FromHandle(HWND hWnd);
	HWND Handle();
	static const std::vector<CWindowHost*>& LiveWindows();
	static CWindowHost* Desktop();

	// Sends to the attached CWnd, or to the class's default processing when none is attached.
	LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);
	LRESULT CallClassProc(UINT message, WPARAM wParam, LPARAM lParam);

	// Hands the Qt event being translated into the current message back to the widget: the
	// default processing of a native control lets the widget do what it does.
	void PassEventToWidget();

	bool IsChildWindow() const;
	bool IsVisibleOnScreen() const;
	bool IsEnabledForInput() const;
	CWindowHost* TopLevel();
	bool IsDescendantOf(const CWindowHost* pAncestor) const;
	CWnd* TemporaryWnd();

	// Geometry: the border thicknesses of the style, the client area and where it lies.
	CRect NonClientMargins() const;
	CSize ClientSize() const;
	CPoint ClientOriginOnScreen() const;
	CRect WindowRectOnScreen() const;
	// Where the client area starts inside the widget: the border for a child window, the menu bar
	// for a top-level one, whose frame belongs to the desktop.
	CPoint ClientOffsetInWidget() const;
	// Moves and sizes the window (m_rcWindow coordinates) and sends WM_MOVE and WM_SIZE on change.
	void SetWindowRect(const CRect& rcWindow, bool bRepaint);
	void ApplyGeometryToWidget();
	// Stacks the window right below hWndInsertAfter, a sibling, or at an HWND_ place; a window
	// that is not a sibling leaves the stacking as it is.
	void PlaceInZOrder(HWND hWndInsertAfter);
	// Makes a child window the child of pNewParent, on top of its new siblings and at the same
	// place in the new parent's client area.
	void MoveToParent(CWindowHost* pNewParent);

	// Painting
	bool PaintsOnSurface() const;
	QImage& Surface();
	void Invalidate(const QRegion& region, bool bErase);
	void Validate(const QRegion& region);
	// Sends WM_PAINT now when the update region is not empty.
	void PaintPending();
	// BeginPaint and EndPaint: dc draws on the surface clipped to the update region, which empties.
	void BeginPaint(CDC& dc, PAINTSTRUCT& ps);
	void EndPaint(CDC& dc, const PAINTSTRUCT& ps);
	void PaintNonClient(QPainter& painter);
	void ScheduleScreenUpdate();

	void Show(bool bShow, int nCmdShow);

	const WindowClassRecord* m_pClass;
	DWORD m_dwStyle;
	DWORD m_dwExStyle;
	UINT m_nID;
	CString m_strText;
	// The parent of a child window, the owner of a top-level one.
	CWindowHost* m_pParent;
	std::vector<CWindowHost*> m_children;
	CWnd* m_pWnd;
	QWidget* m_pWidget;
	// In the parent's client coordinates for a child window, on the screen for a top-level one.
	CRect m_rcWindow;

	QImage m_surface;
	QRegion m_updateRegion;
	QRegion m_paintRegion;
	bool m_bErasePending;
	int m_nBeginPaints;

	// The menu bar (drawn inside the widget above the client area, m_nMenuBarHeight tall) and the
	// window menu, both destroyed with the window.
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

	// Timers by event id: the Qt timer id and the callback, if any.
	std::map<UINT_PTR, std::pair<int, TIMERPROC>> m_timers;
	QObject* m_pTimerTarget;

	QEvent* m_pTranslatedEvent;
	bool m_bEventToWidget;

	bool m_bDestroying;	// between DestroyWindow and the end of WM_NCDESTROY
	bool m_bDead;	// gone: the handle no longer names a window
	int m_nSendDepth;

private:
	std::unique_ptr<CWnd> m_pTempWnd;
};

// Makes the widget of a new window and wires its events to the window's messages.
void CreateHostWidget(CWindowHost& host);
// Installs the translation of Qt events into messages on a widget made by a window class.
void AttachWidgetToHost(CWindowHost& host, QWidget* pWidget);
// Deletes the widget now, or once Qt has finished delivering the event being handled.
void DisposeHostWidget(CWindowHost& host);
// Destroys the window and its children and owned windows (WM_DESTROY, WM_NCDESTROY, PostNcDestroy).
void DestroyHost(CWindowHost* pHost);
CWindowHost* HostOfWidget(QWidget* pWidget);
