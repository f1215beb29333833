// The contract between the framework's window model and a toolkit: what the model asks of the
// toolkit (CDriver), and the calls by which the toolkit's events come back (OnToolkit...).
// The model owns every piece of Windows-side state; a backend keeps only its own objects, keyed by
// the window's handle, and hears of every change through these operations.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <functional>
#include <vector>

// What the desktop's window manager is asked to put around a top-level window: the kind of
// window, its caption buttons and whether it can be resized.
enum class DesktopWindowKind
{
	Normal,	// a main window: in task bars and window lists
	Dialog,	// a window kept above its owner
	Tool,	// a tool window with a small caption, kept above its owner
	Bare,	// no caption and no frame from the desktop, like a splash picture
};

struct DesktopFrame
{
	DesktopWindowKind kind;
	bool bSystemMenu;
	bool bCloseBox;
	bool bMinimizeBox;
	bool bMaximizeBox;
	bool bResizable;
	// Kept above its owner and minimised with it: every owned window but one shown in the task bar.
	bool bTransient;
};

// Which native window a window is made of: a plain one that shows the surface the framework paints
// on, or one of the standard controls, which the toolkit draws itself.
enum class NativeKind
{
	Surface,
	Edit,
	Button,
	Static,
	ListBox,
	ScrollBar,
};

struct NativeWindowSpec
{
	NativeKind nKind;
	// The native window that holds this one: the parent of a child window, the top-level window of
	// an owned one (the desktop then keeps it above), null for a window of its own.
	HWND hHolder;
	bool bChild;
	DWORD dwStyle;
	DWORD dwExStyle;
	CString strText;
};

// Where a native window lies and where its client area starts inside it. A child's native window
// holds its border and lies in its holder's native window; a top-level one holds the menu bar
// and the client area and lies on the screen (its frame is the desktop's).
struct NativeGeometry
{
	CRect rcNative;
	CPoint ptClient;
	// A top-level window without a sizing border keeps the size the program gives it.
	bool bFixedSize;
};

// How a state change shows a top-level window.
enum class NativeShow
{
	Hide,
	Show,	// a child window, or a top-level one as it was
	Normal,
	Minimized,
	Maximized,
};

// Frame the framework draws around a child's client area, from outside in: a fill, then one-pixel
// edges, each its inset from the native window's edge, lighter or darker on its top-left side.
struct FrameEdge
{
	int nInset;
	COLORREF crTopLeft;
	COLORREF crBottomRight;
};

struct NonClientLook
{
	bool bFill;
	COLORREF crFill;
	std::vector<FrameEdge> edges;
};

// What a paint event of a native window draws: nothing (the toolkit paints a native control itself)
// or the border and the window's surface at its client offset.
struct SurfacePaint
{
	bool bFromSurface;
	CPoint ptClient;
	CSize sizeClient;
	NonClientLook nonClient;
};

// What a DC draws on, as the backend keeps it.
class CPaintDevice
{
public:
	virtual ~CPaintDevice() = default;
};

// A nested run of the event loop, made by the backend.
class CNativeLoop
{
public:
	virtual ~CNativeLoop() = default;
};

class CDriver
{
public:
	virtual ~CDriver() = default;

	// Application
	// Starts the toolkit for the program's arguments; TRUE when it runs (or already ran).
	virtual BOOL StartToolkit(int argc, char* argv[]) = 0;
	// Disposes of what the toolkit still holds; the program ends.
	virtual void StopToolkit() = 0;
	virtual bool IsToolkitRunning() const = 0;

	// Native windows
	virtual void CreateNativeWindow(HWND hWnd, const NativeWindowSpec& spec) = 0;
	// The window is gone: its native window goes now, or once the toolkit has finished delivering
	// the event being handled. Its timers stop.
	virtual void DestroyNativeWindow(HWND hWnd) = 0;
	// The window's record is freed: what the backend still keeps for the handle (its surface, which
	// a DC may have drawn on until then) goes, and the handle may name another window later.
	virtual void ForgetWindow(HWND hWnd) = 0;
	// A child window moves into another holder; the toolkit may hide it meanwhile.
	virtual void ReparentNativeWindow(HWND hWnd, HWND hNewHolder) = 0;

	// Geometry and z-order
	virtual void SetNativeGeometry(HWND hWnd, const NativeGeometry& geometry) = 0;
	// The smallest native size the desktop lets the user drag the window to.
	virtual void SetNativeMinimumSize(HWND hWnd, const CSize& size) = 0;
	virtual CSize NativeMinimumSize(HWND hWnd) = 0;
	virtual void RaiseNativeWindow(HWND hWnd) = 0;
	virtual void LowerNativeWindow(HWND hWnd) = 0;
	// Stacks a child window right below a sibling in the same holder.
	virtual void StackNativeWindowUnder(HWND hWnd, HWND hSibling) = 0;
	// A point on the screen in the native window's own coordinates, as the toolkit knows where it lies.
	virtual CPoint MapFromScreen(HWND hWnd, const CPoint& ptScreen) = 0;

	// Showing, frame, title, icons, enabling and cursor
	virtual void ShowNativeWindow(HWND hWnd, NativeShow nShow) = 0;
	// A top-level window's frame: its kind and boxes, kept above all others, modal for its owner.
	virtual void SetNativeFrame(HWND hWnd, const DesktopFrame& frame, bool bTopMost, bool bModal) = 0;
	virtual void SetNativeTitle(HWND hWnd, const CString& strTitle) = 0;
	// The icon the desktop shows for a top-level window, from every size the two icons hold.
	virtual void SetNativeIcons(HWND hWnd, HICON hSmall, HICON hBig) = 0;
	virtual void EnableNativeWindow(HWND hWnd, bool bEnable) = 0;
	// Shows the cursor over the window; null hides it.
	virtual void SetNativeCursor(HWND hWnd, HCURSOR hCursor) = 0;
	// The hourglass over every window of the program, whatever each window's own cursor.
	virtual void SetWaitCursor(bool bWait) = 0;

	// Painting
	// The window's client area has changed: the toolkit asks for painting again when it can.
	virtual void RequestNativePaint(HWND hWnd) = 0;
	// The surface the window paints on, for a DC, fitted to the client area first: pixels outside
	// it are dropped, the rest kept, new ones white.
	virtual CPaintDevice* WindowSurface(HWND hWnd, const CSize& sizeClient) = 0;
	// What the window shows at a point of its client area: its surface with the child windows drawn
	// over it as they are stacked, or a native control's own drawing; CLR_INVALID outside.
	virtual COLORREF ReadShownPixel(HWND hWnd, const CPoint& ptClient, const CSize& sizeClient) = 0;

	// The program's one tooltip window: shows the text with its top-left corner at a point of the
	// window's client area, in place of any tip on screen.
	virtual void ShowToolTip(HWND hWnd, const CString& strText, const CPoint& ptClient) = 0;
	virtual void HideToolTip() = 0;
	// The text of the tip on screen; empty while none shows.
	virtual CString ToolTipText() = 0;

	// Focus, capture, activation and timers
	virtual void SetNativeFocus(HWND hWnd) = 0;
	// A shown window receives the mouse wherever the pointer is, until it releases it.
	virtual void GrabNativeMouse(HWND hWnd) = 0;
	virtual void ReleaseNativeMouse(HWND hWnd) = 0;
	// The top-level window the desktop has active; null when it is none of ours.
	virtual HWND ActiveNativeWindow() = 0;
	virtual void ActivateNativeWindow(HWND hWnd) = 0;
	// Calls OnToolkitTimer every nElapse milliseconds; hWnd null for the framework's own timers.
	virtual BOOL StartTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse) = 0;
	virtual void StopTimer(HWND hWnd, UINT_PTR nIDEvent) = 0;

	// The event loop
	virtual CNativeLoop* CreateLoop() = 0;
	// Runs until ExitLoop; returns the code given to it.
	virtual int RunLoop(CNativeLoop* pLoop) = 0;
	virtual void ExitLoop(CNativeLoop* pLoop, int nCode) = 0;
	// Runs fn from the event loop, after the events already waiting.
	virtual void CallSoon(std::function<void()> fn) = 0;
	// Delivers the events that have arrived, without waiting for more.
	virtual void DeliverPendingEvents() = 0;
	// A loop waiting for events looks again whether the model has idle work.
	virtual void WakeLoop() = 0;

	// The desktop
	virtual void Beep() = 0;
	virtual CSize ScreenSize() = 0;
	virtual CPoint CursorPosition() = 0;
	// VK_SHIFT, VK_CONTROL, VK_MENU and the mouse buttons as the toolkit last reported them.
	virtual bool IsKeyHeld(int nVirtKey) = 0;
	// Caps lock, num lock and scroll lock; off where the toolkit cannot tell.
	virtual bool IsLockKeyOn(int nVirtKey) = 0;

	// Menus: the toolkit's widgets of a menu are found by its handle and show the model's record of
	// it (framework/ui/menu/MenuRecord.h); their events come back as OnToolkitMenu... calls.
	// The top-level window reports Alt+Space, and F10 while it shows a menu bar, as OnToolkitMenuKey.
	virtual void WatchMenuKeys(HWND hWnd) = 0;
	// Shows the menu as the menu bar of top-level window hWnd, nHeight tall across the top of its
	// native window.
	virtual void AttachMenuBar(HWND hWnd, HMENU hMenu, int nHeight) = 0;
	// The menu no longer shows as a menu bar.
	virtual void DetachMenuBar(HMENU hMenu) = 0;
	// The menu's items have changed: its bar or popup shows them as they are now.
	virtual void SyncMenu(HMENU hMenu) = 0;
	// The menu is destroyed: its widgets go, an open popup reporting that it hides.
	virtual void DestroyMenuWidgets(HMENU hMenu) = 0;
	// The size a popup takes on the screen.
	virtual CSize MenuPopupSize(HMENU hMenu) = 0;
	// Shows a popup with its top-left corner at a point of the screen, and returns at once: false
	// when it did not show. It reports its items hovered and chosen until it hides.
	virtual bool ShowMenuPopup(HMENU hMenu, const CPoint& ptScreen) = 0;
	// Hides the popup if it shows, and the popups it opened.
	virtual void HideMenuPopup(HMENU hMenu) = 0;
	// Opens the popup under title nPos of the menu bar as the keyboard does, with its first item
	// that can be chosen selected; false when the bar has no such title.
	virtual bool OpenMenuBarTitle(HMENU hMenu, int nPos) = 0;
	// Calls OnToolkitMenuIdle once, from the event loop, the next time it is about to wait.
	virtual void RequestMenuIdle() = 0;
};

// The backend in use.
CDriver& AfxGetDriver();

// The toolkit's events, delivered to the model. Each returns once the model has handled it; the
// window may be gone by then.

// A native window is to be painted: false when the toolkit paints it itself.
bool OnToolkitPaint(HWND hWnd, SurfacePaint& paint);

enum class ToolkitMouseAction
{
	Move,
	Press,
	DoubleClick,
	Release,
};

struct ToolkitMouse
{
	ToolkitMouseAction nAction;
	int nButton;	// VK_LBUTTON, VK_RBUTTON or VK_MBUTTON; 0 for a move
	CPoint ptScreen;
	UINT nKeyFlags;	// MK_ buttons held and MK_SHIFT, MK_CONTROL
};

// Mouse, wheel and key events on a native window: true when the native window must not take the
// event itself (a native control takes what the framework passes on to it).
bool OnToolkitMouse(HWND hWnd, const ToolkitMouse& mouse);
bool OnToolkitWheel(HWND hWnd, const CPoint& ptScreen, int nDelta, UINT nKeyFlags);

struct ToolkitKey
{
	bool bPress;
	int nVirtKey;	// 0 for a key without a virtual key
	bool bAutoRepeat;
	UINT nChar;	// the character typed, 0 for none
};

bool OnToolkitKey(HWND hWnd, const ToolkitKey& key);
// The toolkit's focus came to a native window, or left the program's windows altogether.
void OnToolkitFocusIn(HWND hWnd);
void OnToolkitFocusOut(HWND hWnd);
// The desktop moved or sized a top-level window: its native window now lies there.
void OnToolkitMovedByDesktop(HWND hWnd, const CRect& rcNative);
void OnToolkitActivated(HWND hWnd);
// The desktop minimised a top-level window: false when the window cannot be minimised, and the
// backend then brings it back.
bool OnToolkitMinimized(HWND hWnd);
// The user asks to close a top-level window (its close box).
void OnToolkitCloseRequest(HWND hWnd);
void OnToolkitTimer(HWND hWnd, UINT_PTR nIDEvent);
// The desktop's colour scheme changed: the new system colours, by COLOR_ index.
void OnToolkitColorsChanged(const std::vector<std::pair<int, COLORREF>>& colors);
// The loop is about to wait: true when the model has idle work, which OnToolkitIdle then does.
bool OnToolkitWantsIdle();
void OnToolkitIdle();

// Menus: a popup opening and closing, whatever opened it; an item of an open menu hovered (nPos -1:
// none), which may be reported again for the same item (a click hovers as it presses); an item
// chosen, which closes the menus.
void OnToolkitMenuPopupShowing(HMENU hMenu);
void OnToolkitMenuPopupHiding(HMENU hMenu);
void OnToolkitMenuItemHovered(HMENU hMenu, int nPos);
void OnToolkitMenuItemChosen(HMENU hMenu, int nPos);
// The mouse (else the keyboard) is working the menus, for MF_MOUSESELECT.
void OnToolkitMenuInput(bool bMouse);

enum class ToolkitMenuKey
{
	WindowMenu,	// Alt+Space
	MenuBar,	// F10
};

void OnToolkitMenuKey(HWND hWnd, ToolkitMenuKey nKey);
// The event loop is about to wait while a menu is open (asked for with RequestMenuIdle).
void OnToolkitMenuIdle();
