// The contract between the framework's window model and a toolkit: what the model asks of the
// toolkit (CDriver), and the calls by which the toolkit's events come back (OnToolkit...).
// The model owns every piece of Windows-side state; a backend keeps only its own objects, keyed by
// the window's handle, and hears of every change through these operations.
#pragma once

#include "framework/core/GdiRecords.h"
#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/PixelRegion.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
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

// The pixels of a bitmap, which the model keeps: rows from the top, each pixel 0xFFRRGGBB. The
// toolkit paints on them and draws from them in place.
struct PixelImage
{
	int nWidth = 0;
	int nHeight = 0;
	std::vector<std::uint32_t> pixels;
};

// Where a drawing operation goes: the device, the offset that turns the DC's logical coordinates
// into the device's, and the pixels drawing may touch, in device coordinates (null: the whole
// device). nSerial is new whenever the offset or the region is, so the toolkit sets them up only then.
struct DrawTarget
{
	CPaintDevice* pDevice;
	CPoint ptOrigin;
	const PixelRegion* pClip;
	unsigned nSerial;
};

// What a fill paints with: a colour, a hatch (HS_*) in a colour, or a pattern of pixels. Hatches and
// patterns line up with the device's origin.
struct DrawFill
{
	UINT nStyle;	// BS_SOLID, BS_HATCHED or BS_PATTERN
	COLORREF crColor;
	int nHatch;
	const PixelImage* pPattern;
};

// A pen as the toolkit strokes shapes with it: one pixel wide with flat ends, or wider with round
// ends and joins; dashes alternate with gaps by the lengths given, none for a solid pen.
struct DrawPen
{
	int nWidth;
	COLORREF crColor;
	const int* pDashes;
	int nDashes;
};

// A shape the toolkit fills or outlines whole. Rectangles and ellipses are given by their bounds,
// right and bottom outside as in every RECT.
struct DrawShape
{
	enum Kind
	{
		Rectangle,
		Ellipse,
		Polygon,
		Polyline,
	};
	Kind nKind;
	CRect rcBounds;
	const POINT* pPoints;
	int nPoints;
	bool bWinding;	// polygons: the winding rule rather than alternate
};

// The cell and measures of a font on a device, in device pixels.
struct DeviceFontMetrics
{
	int nAscent;
	int nDescent;	// rounded up, so that the cell holds every glyph whole
	int nPixelSize;	// the character height the font was made for
	int nExternalLeading;
	int nAveCharWidth;
	int nMaxCharWidth;
	int nWeight;
	bool bFixedPitch;
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

	// Drawing
	// Coordinates are the target's logical ones unless said otherwise; nMix is a mix mode (R2_*)
	// other than R2_NOP, R2_BLACK and R2_WHITE, which the model resolves itself; dwRop is a raster
	// operation that reads a source (SRCCOPY, SRCPAINT, SRCAND, SRCINVERT, NOTSRCCOPY).

	// A device that draws on the pixels of a bitmap; they must stay where they are while it lives.
	virtual std::unique_ptr<CPaintDevice> CreateBitmapDevice(PixelImage& image) = 0;
	// The device's size in pixels.
	virtual CSize DeviceSize(CPaintDevice* pDevice) = 0;
	// What a printer's device answers for GetDeviceCaps(nIndex); -1 for screens, surfaces and
	// bitmaps, and for what a printer leaves to the screen's answer.
	virtual int PrinterCaps(CPaintDevice* pDevice, int nIndex) = 0;
	// A DC is done with the device for now: what it drew is finished, and the device may be resized.
	virtual void EndDrawing(CPaintDevice* pDevice) = 0;
	// A device pixel's colour; CLR_INVALID outside it or on a device that cannot be read.
	virtual COLORREF DevicePixel(CPaintDevice* pDevice, const CPoint& ptDevice) = 0;
	// Fills rectangles, right and bottom outside as in every RECT.
	virtual void FillRects(const DrawTarget& target, const CRect* pRects, int nRects, const DrawFill& fill, int nMix) = 0;
	// Single pixels, as one-pixel lines are made of.
	virtual void SetPixels(const DrawTarget& target, const POINT* pPoints, int nPoints, COLORREF crColor, int nMix) = 0;
	// Fills the inside of a shape, without outlining it.
	virtual void FillShape(const DrawTarget& target, const DrawShape& shape, const DrawFill& fill, int nMix) = 0;
	// Outlines a shape with the pen.
	virtual void StrokeShape(const DrawTarget& target, const DrawShape& shape, const DrawPen& pen, int nMix) = 0;
	// Copies rcSource (device coordinates) of a device's pixels onto rcDest, stretched, mirrored as
	// asked and smoothed for HALFTONE; the source may be the target's own device. False when the
	// source cannot be read.
	virtual bool CopyDevicePixels(const DrawTarget& target, const CRect& rcDest, CPaintDevice* pSource,
		const CRect& rcSource, bool bMirrorX, bool bMirrorY, DWORD dwRop, bool bSmooth) = 0;
	// The same from a picture the model holds.
	virtual void DrawPixelImage(const DrawTarget& target, const CRect& rcDest, const PixelImage& image,
		const CRect& rcSource, bool bMirrorX, bool bMirrorY, DWORD dwRop, bool bSmooth) = 0;
	// Moves the target device's pixels of rcScroll by the shift, changing only those of the region
	// reached; both in device coordinates. False when the device cannot be read.
	virtual bool ScrollDevicePixels(const DrawTarget& target, const CRect& rcScroll, const CPoint& ptShift,
		const PixelRegion& reached) = 0;
	// The width of nCount bytes of UTF-8 text in the font on the device, or the sum of the advances
	// lpDx gives, one per character (per byte for ASCII).
	virtual int TextWidth(const LOGFONT& font, CPaintDevice* pDevice, LPCTSTR lpsz, int nCount, const int* lpDx) = 0;
	// The font's cell and measures on the device.
	virtual DeviceFontMetrics FontMetrics(const LOGFONT& font, CPaintDevice* pDevice) = 0;
	// Draws text with the top left of its cell at a point, clipped to *pClip when given.
	virtual void DrawTextRun(const DrawTarget& target, const LOGFONT& font, const CPoint& ptCell, LPCTSTR lpsz,
		int nCount, const int* lpDx, COLORREF crColor, const CRect* pClip) = 0;
	// An icon holding every picture the bytes of an icon file hold; null when none can be read.
	virtual HICON CreateIconFromFile(const BYTE* pData, std::size_t nSize) = 0;
	// Draws the icon's first picture; false when the handle is no icon.
	virtual bool DrawIcon(const DrawTarget& target, const CPoint& pt, HICON hIcon) = 0;
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
