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

struct NativeWindowRequest
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

// A device's pixels as the model may write them itself, laid out as in a PixelImage; pFirst is
// null for devices that keep no pixels of their own (printers, pictures, vector files).
struct DeviceScanLines
{
	std::uint32_t* pFirst;
	int nStride;	// pixels from the start of one row to the next
	int nWidth;
	int nHeight;
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

// A printer and how it prints: the part of a DEVMODE the framework honours.
struct PrinterSetup
{
	CString strDevice;	// an installed printer, or "PDF" (PDF_PRINTER_NAME) for PDF files
	DWORD dwFields;	// the settings given below: DM_ORIENTATION, DM_PAPERSIZE, DM_COPIES, DM_COLLATE
	short nOrientation;	// DMORIENT_
	short nPaperSize;	// DMPAPER_
	short nCopies;
	bool bCollate;
};

struct NativeFileFilter
{
	CString strCaption;
	std::vector<CString> patterns;	// "*.sig", "*.*" for every file
};

// An open or save dialog: what it starts from and, once accepted, what the user chose.
struct NativeFileDialog
{
	CString strCaption;
	bool bOpen;
	bool bExistingOnly;	// only a file that exists can be chosen
	std::vector<NativeFileFilter> filters;
	int nFilter;	// the filter shown first, from 0; then the one chosen, -1 when the dialog cannot tell
	CString strFolder;	// the folder shown first; empty for the current one
	CString strFile;	// the name shown first; then the full path chosen
};

enum class PrintRange
{
	All,
	Pages,
	Selection,
};

// A print or print set-up dialog: what it offers and starts from and, once accepted, what the
// user chose.
struct NativePrintDialog
{
	CString strCaption;
	bool bSetupOnly;	// a printer with its paper and orientation, no pages and no copies
	PrinterSetup printer;	// the printer shown first; then the one chosen, every field given
	bool bOfferSelection;
	bool bOfferPages;	// a range of pages from nMinPage to nMaxPage
	bool bOfferFile;	// printing to a file
	int nMinPage;
	int nMaxPage;
	PrintRange nRange;	// Pages shows nFromPage to nToPage first
	int nFromPage;
	int nToPage;
	// Once accepted, the file the user chose to print to; empty for a printer, and when the only
	// choice was a file and the user left the name the dialog proposed (the framework names it).
	CString strOutputFile;
};

// A print job, made by the backend: its printer or PDF file, and the page its DC draws on.
class CNativePrintJob
{
public:
	virtual ~CNativePrintJob() = default;
};

// An SVG picture being drawn into a file, made by the backend.
class CNativeSvgFile
{
public:
	virtual ~CNativeSvgFile() = default;
};

// What the desktop's clipboard is to hold from now on: text, a picture, both or nothing.
struct ClipboardContents
{
	bool bText = false;
	CString strText;	// UTF-8
	bool bImage = false;
	PixelImage image;
};

// Native controls: the colours a control's widget draws with, chosen by the model from the system's.
// A disabled control shows crGrayText on crFace.
struct ControlColors
{
	COLORREF crFace;	// a button's face and what surrounds a control's text
	COLORREF crBackground;	// behind the text of an edit or a list box
	COLORREF crText;
	COLORREF crButtonText;
	COLORREF crHighlight;	// behind selected text and the selected item
	COLORREF crHighlightText;
	COLORREF crGrayText;
};

// Where an edit's lines stand between its left and right edges.
enum class TextAlignment
{
	Left,
	Center,
	Right,
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
	// Whether the toolkit has been started and not stopped.
	virtual bool IsToolkitRunning() const = 0;

	// Native windows
	// Makes the window's native window as the request describes; the model places and shows it next.
	virtual void CreateNativeWindow(HWND hWnd, const NativeWindowRequest& request) = 0;
	// The window is gone: its native window goes now, or once the toolkit has finished delivering
	// the event being handled. Its timers stop.
	virtual void DestroyNativeWindow(HWND hWnd) = 0;
	// The window's record is freed: what the backend still keeps for the handle (its surface, which
	// a DC may have drawn on until then) goes, and the handle may name another window later.
	virtual void ForgetWindow(HWND hWnd) = 0;
	// A child window moves into another holder; the toolkit may hide it meanwhile.
	virtual void ReparentNativeWindow(HWND hWnd, HWND hNewHolder) = 0;

	// Geometry and z-order
	// Places the native window and its client area as the model computed them.
	virtual void SetNativeGeometry(HWND hWnd, const NativeGeometry& geometry) = 0;
	// The smallest native size the desktop lets the user drag the window to.
	virtual void SetNativeMinimumSize(HWND hWnd, const CSize& size) = 0;
	virtual CSize NativeMinimumSize(HWND hWnd) = 0;
	// Stacks the native window above, or below, its siblings (a top-level one above or below the
	// other windows of the desktop).
	virtual void RaiseNativeWindow(HWND hWnd) = 0;
	virtual void LowerNativeWindow(HWND hWnd) = 0;
	// Stacks a child window right below a sibling in the same holder.
	virtual void StackNativeWindowUnder(HWND hWnd, HWND hSibling) = 0;
	// A point on the screen in the native window's own coordinates, as the toolkit knows where it lies.
	virtual CPoint MapFromScreen(HWND hWnd, const CPoint& ptScreen) = 0;

	// Showing, frame, title, icons, enabling and cursor
	// Shows or hides the native window; a top-level one normal, minimised or maximised.
	virtual void ShowNativeWindow(HWND hWnd, NativeShow nShow) = 0;
	// A top-level window's frame: its kind and boxes, kept above all others, modal for its owner.
	virtual void SetNativeFrame(HWND hWnd, const DesktopFrame& frame, bool bTopMost, bool bModal) = 0;
	// The caption the desktop shows for a top-level window.
	virtual void SetNativeTitle(HWND hWnd, const CString& strTitle) = 0;
	// The icon the desktop shows for a top-level window, from every size the two icons hold.
	virtual void SetNativeIcons(HWND hWnd, HICON hSmall, HICON hBig) = 0;
	// A disabled native window takes no input and a native control shows itself greyed.
	virtual void EnableNativeWindow(HWND hWnd, bool bEnable) = 0;
	// Local files dragged from the desktop may be dropped on the native window, and on any native
	// window inside it that does not take them itself: OnToolkitFilesDropped tells of each drop.
	virtual void AcceptFileDrops(HWND hWnd, bool bAccept) = 0;
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
	// The native window takes the toolkit's keyboard focus, unless it has it.
	virtual void SetNativeFocus(HWND hWnd) = 0;
	// A shown window receives the mouse wherever the pointer is, until it releases it.
	virtual void GrabNativeMouse(HWND hWnd) = 0;
	virtual void ReleaseNativeMouse(HWND hWnd) = 0;
	// The top-level window the desktop has active; null when it is none of ours.
	virtual HWND ActiveNativeWindow() = 0;
	// Asks the desktop to activate a shown top-level window.
	virtual void ActivateNativeWindow(HWND hWnd) = 0;
	// Calls OnToolkitTimer every nElapse milliseconds; hWnd null for the framework's own timers.
	virtual BOOL StartTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse) = 0;
	virtual void StopTimer(HWND hWnd, UINT_PTR nIDEvent) = 0;

	// The event loop
	// A loop to run nested in the one running; the model deletes it.
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
	// The desktop's warning sound.
	virtual void Beep() = 0;
	// The primary screen's size in pixels.
	virtual CSize ScreenSize() = 0;
	// Where the pointer is on the screen.
	virtual CPoint CursorPosition() = 0;
	// VK_SHIFT, VK_CONTROL, VK_MENU and the mouse buttons as the toolkit last reported them.
	virtual bool IsKeyHeld(int nVirtKey) = 0;
	// Caps lock, num lock and scroll lock; off where the toolkit cannot tell.
	virtual bool IsLockKeyOn(int nVirtKey) = 0;

	// Services: the toolkit's own dialogs, printers and print jobs, programs of the desktop, and the
	// pointer leaving a bar. A dialog is modal and owned by hOwner, a top-level window or null, which
	// the model disables meanwhile.
	// A message box with the buttons, icon and default button of nType (MB_), the buttons captioned
	// in Italian as services/MessageBoxLayout.h lays them out; IDOK, IDCANCEL, IDYES, ...
	virtual INT_PTR ShowMessageBox(HWND hOwner, const CString& strCaption, const CString& strText, UINT nType) = 0;
	// True when the user accepted a file.
	virtual bool ShowFileDialog(HWND hOwner, NativeFileDialog& dialog) = 0;
	// True when the user accepted the printer and pages.
	virtual bool ShowPrintDialog(HWND hOwner, NativePrintDialog& dialog) = 0;
	// The desktop's default printer, else the first one installed; empty when none is.
	virtual CString DefaultPrinterName() = 0;
	// Whether a printer of that name is installed.
	virtual bool IsPrinterInstalled(const CString& strName) = 0;
	// The named printer (or the PDF printer) as it starts, every field given.
	virtual PrinterSetup DefaultPrinterSetup(const CString& strDevice) = 0;
	// Where PDF documents go: the user's documents folder when it exists, else the home folder.
	virtual CString DocumentsFolder() = 0;
	// A job on the printer as set up; the model deletes it.
	virtual CNativePrintJob* CreatePrintJob(const PrinterSetup& setup) = 0;
	// The page the job's DC draws on, for AttachDcToSurface; the same for the whole job.
	virtual CPaintDevice* PrintJobPage(CNativePrintJob* pJob) = 0;
	// Whether hDC still draws on the job's page: a DC may be deleted, and its handle taken by another.
	virtual bool IsPrintJobDc(CNativePrintJob* pJob, HDC hDC) = 0;
	// Opens the document on the printer, or on the file strOutput when it is not empty; false when
	// it cannot be opened.
	virtual bool BeginPrintDocument(CNativePrintJob* pJob, const CString& strDocName, const CString& strOutput) = 0;
	// The page starts blank, what the DC drew before dropped, on a new sheet when bNewSheet; false
	// when the printer gives no new sheet.
	virtual bool BeginPrintPage(CNativePrintJob* pJob, bool bNewSheet) = 0;
	// What the DC drew since the page began is on the sheet; what it draws next is dropped.
	virtual void EndPrintPage(CNativePrintJob* pJob) = 0;
	// The document is complete.
	virtual void EndPrintDocument(CNativePrintJob* pJob) = 0;
	// The document is dropped; a file it was going to is left to the model.
	virtual void AbortPrintDocument(CNativePrintJob* pJob) = 0;
	// Runs the program (found on PATH) and returns what it wrote on its standard output; empty
	// when it cannot start, crashes or runs past nTimeoutMs milliseconds, and is then killed.
	virtual CString RunProgram(const CString& strProgram, const std::vector<CString>& arguments, int nTimeoutMs) = 0;
	// Waits until the descriptor can be read or its writer is gone, the windows repainting meanwhile
	// but taking no input, under the wait cursor, as a Windows program does while its shell call
	// runs; returns at once when the toolkit has not been started.
	virtual void WaitForProgramReport(int nDescriptor) = 0;
	// From now on OnToolkitMouseLeave is called whenever the pointer leaves the window.
	virtual void TrackMouseLeave(HWND hWnd) = 0;
	// The desktop's clipboard gets the contents, offered as plain text and as a PNG picture.
	virtual void SetClipboardContents(const ClipboardContents& contents) = 0;
	// Writes the pixels as a PNG file at strPath; false when it could not be written whole, what
	// was written then being left to the model.
	virtual bool WritePngFile(const PixelImage& image, const CString& strPath) = 0;
	// An SVG picture of the size in pixels, with the title, to be written at strPath; null when the
	// file cannot be made. The model deletes it.
	virtual CNativeSvgFile* CreateSvgFile(const CString& strPath, const CSize& size, const CString& strTitle) = 0;
	// The device its DC draws on, for AttachDcToSurface; the same for the picture's whole life.
	virtual CPaintDevice* SvgFileDevice(CNativeSvgFile* pFile) = 0;
	// Ends the picture, once no DC draws on it, and closes its file; false when it could not be
	// written whole, what was written then being left to the model.
	virtual bool FinishSvgFile(CNativeSvgFile* pFile) = 0;

	// Native controls: what the model tells and asks the widget of an EDIT, BUTTON, LISTBOX or
	// SCROLLBAR window. The widget is made from the styles the window is created with (which
	// widget, its frame and scroll bars); what may change afterwards comes through these.
	virtual void SetControlColors(HWND hWnd, const ControlColors& colors) = 0;
	// The font the control shows its text in, as WM_SETFONT gives it.
	virtual void SetControlFont(HWND hWnd, HFONT hFont) = 0;
	// The text an edit holds or a button shows; an edit's lines end in "\r\n" here.
	virtual void SetControlText(HWND hWnd, const CString& strText) = 0;
	virtual CString ControlText(HWND hWnd) = 0;
	// An edit's length in the positions its selection counts.
	virtual int EditTextLength(HWND hWnd) = 0;
	// Selects from nAnchor to nCaret, where the caret then stands, even before the anchor.
	virtual void SetEditSelection(HWND hWnd, int nAnchor, int nCaret) = 0;
	// Removes the selection and leaves the caret where it is.
	virtual void ClearEditSelection(HWND hWnd) = 0;
	// The first and the last position of the selection; both the caret's when nothing is selected.
	virtual void GetEditSelection(HWND hWnd, int& nStart, int& nEnd) = 0;
	// Puts the text in place of the selection, or at the caret, as typing does.
	virtual void ReplaceEditSelection(HWND hWnd, const CString& strText) = 0;
	// Deletes the selection, or else the character before the caret, as the Backspace key does.
	virtual void DeleteEditBackward(HWND hWnd) = 0;
	// A read-only edit lets the user select and copy, not change.
	virtual void SetEditReadOnly(HWND hWnd, bool bReadOnly) = 0;
	virtual void SetEditAlignment(HWND hWnd, TextAlignment nAlignment) = 0;
	// The most characters a single-line edit takes from the user.
	virtual void SetEditLimit(HWND hWnd, int nLimit) = 0;
	virtual int EditLimit(HWND hWnd) = 0;
	// Whether the user changed the text since the program last set it or cleared the flag.
	virtual bool IsEditModified(HWND hWnd) = 0;
	virtual void SetEditModified(HWND hWnd, bool bModified) = 0;
	// A multi-line edit's lines, the first one in view, and scrolling it by lines and average characters.
	virtual int EditLineCount(HWND hWnd) = 0;
	virtual int EditFirstVisibleLine(HWND hWnd) = 0;
	virtual void ScrollEdit(HWND hWnd, int nChars, int nLines) = 0;
	virtual void ScrollEditToCaret(HWND hWnd) = 0;
	// Whether the key event being handed to the window types nChar, which the widget then takes
	// with the key.
	virtual bool KeyBeingHandledTypes(HWND hWnd, UINT nChar) = 0;
	// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; a push button or group box stays unchecked.
	virtual UINT ButtonCheck(HWND hWnd) = 0;
	virtual void SetButtonCheck(HWND hWnd, UINT nCheck) = 0;
	// The look of a button held down by the mouse or the space bar.
	virtual bool IsButtonPushed(HWND hWnd) = 0;
	virtual void SetButtonPushed(HWND hWnd, bool bPushed) = 0;
	// The heavier look of the push button that Enter presses.
	virtual void SetButtonDefault(HWND hWnd, bool bDefault) = 0;
	// The dotted frame of a push button that has the keyboard focus.
	virtual void ShowButtonFocusMark(HWND hWnd, bool bShow) = 0;
	// Clicks an enabled button as the user does: OnToolkitButtonClicked follows.
	virtual void ClickButton(HWND hWnd) = 0;
	// A list box's items, counted, inserted before nIndex, deleted and cleared; changes made here
	// never come back as OnToolkitListBoxSelChanged.
	virtual int ListBoxCount(HWND hWnd) = 0;
	virtual void InsertListBoxItem(HWND hWnd, int nIndex, const CString& strText) = 0;
	virtual void DeleteListBoxItem(HWND hWnd, int nIndex) = 0;
	virtual void ClearListBox(HWND hWnd) = 0;
	// An item's text, and the value the program keeps with it.
	virtual CString ListBoxItemText(HWND hWnd, int nIndex) = 0;
	virtual void SetListBoxItemData(HWND hWnd, int nIndex, DWORD_PTR dwData) = 0;
	virtual DWORD_PTR ListBoxItemData(HWND hWnd, int nIndex) = 0;
	// The selected item, -1 for none; a selected item is scrolled into view.
	virtual int ListBoxSelection(HWND hWnd) = 0;
	virtual void SelectListBoxItem(HWND hWnd, int nIndex) = 0;
	// The height of every item: the one set, or else the one of a line of text in the list's font.
	virtual int ListBoxItemHeight(HWND hWnd) = 0;
	virtual void SetListBoxItemHeight(HWND hWnd, int nHeight) = 0;
	// The item drawn at a point of the client area (taken inside the list's rows); -1 below the last.
	virtual int ListBoxItemAt(HWND hWnd, const CPoint& ptClient) = 0;
	// How two texts order without case, as a list box sorts and finds its items: below, at or above 0.
	virtual int CompareTextNoCase(const CString& str1, const CString& str2) = 0;
	// A scroll bar's thumb: the positions from nMin to nMaxPos, the page it stands for, and where it is.
	virtual void SetScrollBarState(HWND hWnd, int nMin, int nMaxPos, int nPage, int nPos) = 0;
	// The user holds the thumb down.
	virtual bool IsScrollBarThumbHeld(HWND hWnd) = 0;

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
	// The device's pixels for writing, everything the toolkit drew on them so far included.
	virtual DeviceScanLines DevicePixels(CPaintDevice* pDevice) = 0;
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

// The pointer left a window that asked the toolkit to track it.
void OnToolkitMouseLeave(HWND hWnd);

// Local files (full paths) were dropped at a point of the screen on a native window that accepts
// them, or on one inside it: true when a window of the program took them.
bool OnToolkitFilesDropped(HWND hWnd, const std::vector<CString>& paths, const CPoint& ptScreen);

// A native control's news, which the model turns into notifications to the control's parent.
// An edit's text changed, by the user or by the program.
void OnToolkitEditChanged(HWND hWnd);
// A button was clicked (by the mouse, a key or ClickButton); it still has the check state it had.
void OnToolkitButtonClicked(HWND hWnd);
// The user chose another item of a list box, or double-clicked one.
void OnToolkitListBoxSelChanged(HWND hWnd);
void OnToolkitListBoxDoubleClicked(HWND hWnd);
// The user scrolls with a scroll bar: nCode is SB_LINEUP to SB_BOTTOM, or SB_THUMBTRACK with the
// dragged thumb at nPos. The thumb stays where the model put it, but while it is dragged.
void OnToolkitScrollBarAction(HWND hWnd, UINT nCode, int nPos);
// The user let go of the thumb.
void OnToolkitScrollThumbReleased(HWND hWnd);

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
