// The Qt backend: the driver the model asks for native windows, painting, input, loops and the
// desktop's services, on Qt 6 Widgets.
#pragma once

#include "framework/ui/backend/Driver.h"

class CQtDriver : public CDriver
{
public:
	BOOL StartToolkit(int argc, char* argv[]) override;
	void StopToolkit() override;
	bool IsToolkitRunning() const override;

	void CreateNativeWindow(HWND hWnd, const NativeWindowRequest& request) override;
	void DestroyNativeWindow(HWND hWnd) override;
	void ForgetWindow(HWND hWnd) override;
	void ReparentNativeWindow(HWND hWnd, HWND hNewHolder) override;

	void SetNativeGeometry(HWND hWnd, const NativeGeometry& geometry) override;
	void SetNativeMinimumSize(HWND hWnd, const CSize& size) override;
	CSize NativeMinimumSize(HWND hWnd) override;
	void RaiseNativeWindow(HWND hWnd) override;
	void LowerNativeWindow(HWND hWnd) override;
	void StackNativeWindowUnder(HWND hWnd, HWND hSibling) override;
	CPoint MapFromScreen(HWND hWnd, const CPoint& ptScreen) override;

	void ShowNativeWindow(HWND hWnd, NativeShow nShow) override;
	void SetNativeFrame(HWND hWnd, const DesktopFrame& frame, bool bTopMost, bool bModal) override;
	void SetNativeTitle(HWND hWnd, const CString& strTitle) override;
	void SetNativeIcons(HWND hWnd, HICON hSmall, HICON hBig) override;
	void EnableNativeWindow(HWND hWnd, bool bEnable) override;
	void AcceptFileDrops(HWND hWnd, bool bAccept) override;
	void SetNativeCursor(HWND hWnd, HCURSOR hCursor) override;
	void SetWaitCursor(bool bWait) override;

	void RequestNativePaint(HWND hWnd) override;
	CPaintDevice* WindowSurface(HWND hWnd, const CSize& sizeClient) override;
	COLORREF ReadShownPixel(HWND hWnd, const CPoint& ptClient, const CSize& sizeClient) override;

	void ShowToolTip(HWND hWnd, const CString& strText, const CPoint& ptClient) override;
	void HideToolTip() override;
	CString ToolTipText() override;

	void SetNativeFocus(HWND hWnd) override;
	void GrabNativeMouse(HWND hWnd) override;
	void ReleaseNativeMouse(HWND hWnd) override;
	HWND ActiveNativeWindow() override;
	void ActivateNativeWindow(HWND hWnd) override;
	BOOL StartTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse) override;
	void StopTimer(HWND hWnd, UINT_PTR nIDEvent) override;

	CNativeLoop* CreateLoop() override;
	int RunLoop(CNativeLoop* pLoop) override;
	void ExitLoop(CNativeLoop* pLoop, int nCode) override;
	void CallSoon(std::function<void()> fn) override;
	void DeliverPendingEvents() override;
	void WakeLoop() override;

	void Beep() override;
	CSize ScreenSize() override;
	CPoint CursorPosition() override;
	bool IsKeyHeld(int nVirtKey) override;
	bool IsLockKeyOn(int nVirtKey) override;

	INT_PTR ShowMessageBox(HWND hOwner, const CString& strCaption, const CString& strText, UINT nType) override;
	bool ShowFileDialog(HWND hOwner, NativeFileDialog& dialog) override;
	bool ShowPrintDialog(HWND hOwner, NativePrintDialog& dialog) override;
	CString DefaultPrinterName() override;
	bool IsPrinterInstalled(const CString& strName) override;
	PrinterSetup DefaultPrinterSetup(const CString& strDevice) override;
	CString DocumentsFolder() override;
	CNativePrintJob* CreatePrintJob(const PrinterSetup& setup) override;
	CPaintDevice* PrintJobPage(CNativePrintJob* pJob) override;
	bool IsPrintJobDc(CNativePrintJob* pJob, HDC hDC) override;
	bool BeginPrintDocument(CNativePrintJob* pJob, const CString& strDocName, const CString& strOutput) override;
	bool BeginPrintPage(CNativePrintJob* pJob, bool bNewSheet) override;
	void EndPrintPage(CNativePrintJob* pJob) override;
	void EndPrintDocument(CNativePrintJob* pJob) override;
	void AbortPrintDocument(CNativePrintJob* pJob) override;
	CString RunProgram(const CString& strProgram, const std::vector<CString>& arguments, int nTimeoutMs) override;
	void WaitForProgramReport(int nDescriptor) override;
	void TrackMouseLeave(HWND hWnd) override;
	void SetClipboardContents(const ClipboardContents& contents) override;
	bool WritePngFile(const PixelImage& image, const CString& strPath) override;
	CNativeSvgFile* CreateSvgFile(const CString& strPath, const CSize& size, const CString& strTitle) override;
	CPaintDevice* SvgFileDevice(CNativeSvgFile* pFile) override;
	bool FinishSvgFile(CNativeSvgFile* pFile) override;
	// Qt's own dialogs speak Italian and Italian is Qt's default locale: StartToolkit calls this as
	// soon as Qt has started, so that no Qt window shows before.
	static void LoadDialogTranslation();

	// Native controls (backend/qt/controls)
	void SetControlColors(HWND hWnd, const ControlColors& colors) override;
	void SetControlFont(HWND hWnd, HFONT hFont) override;
	void SetControlText(HWND hWnd, const CString& strText) override;
	CString ControlText(HWND hWnd) override;
	int EditTextLength(HWND hWnd) override;
	void SetEditSelection(HWND hWnd, int nAnchor, int nCaret) override;
	void ClearEditSelection(HWND hWnd) override;
	void GetEditSelection(HWND hWnd, int& nStart, int& nEnd) override;
	void ReplaceEditSelection(HWND hWnd, const CString& strText) override;
	void DeleteEditBackward(HWND hWnd) override;
	void SetEditReadOnly(HWND hWnd, bool bReadOnly) override;
	void SetEditAlignment(HWND hWnd, TextAlignment nAlignment) override;
	void SetEditLimit(HWND hWnd, int nLimit) override;
	int EditLimit(HWND hWnd) override;
	bool IsEditModified(HWND hWnd) override;
	void SetEditModified(HWND hWnd, bool bModified) override;
	int EditLineCount(HWND hWnd) override;
	int EditFirstVisibleLine(HWND hWnd) override;
	void ScrollEdit(HWND hWnd, int nChars, int nLines) override;
	void ScrollEditToCaret(HWND hWnd) override;
	bool KeyBeingHandledTypes(HWND hWnd, UINT nChar) override;
	UINT ButtonCheck(HWND hWnd) override;
	void SetButtonCheck(HWND hWnd, UINT nCheck) override;
	bool IsButtonPushed(HWND hWnd) override;
	void SetButtonPushed(HWND hWnd, bool bPushed) override;
	void SetButtonDefault(HWND hWnd, bool bDefault) override;
	void ShowButtonFocusMark(HWND hWnd, bool bShow) override;
	void ClickButton(HWND hWnd) override;
	int ListBoxCount(HWND hWnd) override;
	void InsertListBoxItem(HWND hWnd, int nIndex, const CString& strText) override;
	void DeleteListBoxItem(HWND hWnd, int nIndex) override;
	void ClearListBox(HWND hWnd) override;
	CString ListBoxItemText(HWND hWnd, int nIndex) override;
	void SetListBoxItemData(HWND hWnd, int nIndex, DWORD_PTR dwData) override;
	DWORD_PTR ListBoxItemData(HWND hWnd, int nIndex) override;
	int ListBoxSelection(HWND hWnd) override;
	void SelectListBoxItem(HWND hWnd, int nIndex) override;
	int ListBoxItemHeight(HWND hWnd) override;
	void SetListBoxItemHeight(HWND hWnd, int nHeight) override;
	int ListBoxItemAt(HWND hWnd, const CPoint& ptClient) override;
	int CompareTextNoCase(const CString& str1, const CString& str2) override;
	void SetScrollBarState(HWND hWnd, int nMin, int nMaxPos, int nPage, int nPos) override;
	bool IsScrollBarThumbHeld(HWND hWnd) override;

	// Menus (backend/qt/menu)
	void WatchMenuKeys(HWND hWnd) override;
	void AttachMenuBar(HWND hWnd, HMENU hMenu, int nHeight) override;
	void DetachMenuBar(HMENU hMenu) override;
	void SyncMenu(HMENU hMenu) override;
	void DestroyMenuWidgets(HMENU hMenu) override;
	CSize MenuPopupSize(HMENU hMenu) override;
	bool ShowMenuPopup(HMENU hMenu, const CPoint& ptScreen) override;
	void HideMenuPopup(HMENU hMenu) override;
	bool OpenMenuBarTitle(HMENU hMenu, int nPos) override;
	void RequestMenuIdle() override;

	// Drawing, in gdi/: QtDrawing.cpp, QtFonts.cpp and GdiBackend.cpp.
	std::unique_ptr<CPaintDevice> CreateBitmapDevice(PixelImage& image) override;
	CSize DeviceSize(CPaintDevice* pDevice) override;
	int PrinterCaps(CPaintDevice* pDevice, int nIndex) override;
	void EndDrawing(CPaintDevice* pDevice) override;
	COLORREF DevicePixel(CPaintDevice* pDevice, const CPoint& ptDevice) override;
	void FillRects(const DrawTarget& target, const CRect* pRects, int nRects, const DrawFill& fill, int nMix) override;
	DeviceScanLines DevicePixels(CPaintDevice* pDevice) override;
	void SetPixels(const DrawTarget& target, const POINT* pPoints, int nPoints, COLORREF crColor, int nMix) override;
	void FillShape(const DrawTarget& target, const DrawShape& shape, const DrawFill& fill, int nMix) override;
	void StrokeShape(const DrawTarget& target, const DrawShape& shape, const DrawPen& pen, int nMix) override;
	bool CopyDevicePixels(const DrawTarget& target, const CRect& rcDest, CPaintDevice* pSource, const CRect& rcSource,
		bool bMirrorX, bool bMirrorY, DWORD dwRop, bool bSmooth) override;
	void DrawPixelImage(const DrawTarget& target, const CRect& rcDest, const PixelImage& image, const CRect& rcSource,
		bool bMirrorX, bool bMirrorY, DWORD dwRop, bool bSmooth) override;
	bool ScrollDevicePixels(const DrawTarget& target, const CRect& rcScroll, const CPoint& ptShift,
		const PixelRegion& reached) override;
	int TextWidth(const LOGFONT& font, CPaintDevice* pDevice, LPCTSTR lpsz, int nCount, const int* lpDx) override;
	DeviceFontMetrics FontMetrics(const LOGFONT& font, CPaintDevice* pDevice) override;
	void DrawTextRun(const DrawTarget& target, const LOGFONT& font, const CPoint& ptCell, LPCTSTR lpsz, int nCount,
		const int* lpDx, COLORREF crColor, const CRect* pClip) override;
	HICON CreateIconFromFile(const BYTE* pData, std::size_t nSize) override;
	bool DrawIcon(const DrawTarget& target, const CPoint& pt, HICON hIcon) override;
};
