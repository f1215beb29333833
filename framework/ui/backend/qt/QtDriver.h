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

	void CreateNativeWindow(HWND hWnd, const NativeWindowSpec& spec) override;
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

	// Drawing, in gdi/: QtDrawing.cpp, QtFonts.cpp and GdiBackend.cpp.
	std::unique_ptr<CPaintDevice> CreateBitmapDevice(PixelImage& image) override;
	CSize DeviceSize(CPaintDevice* pDevice) override;
	int PrinterCaps(CPaintDevice* pDevice, int nIndex) override;
	void EndDrawing(CPaintDevice* pDevice) override;
	COLORREF DevicePixel(CPaintDevice* pDevice, const CPoint& ptDevice) override;
	void FillRects(const DrawTarget& target, const CRect* pRects, int nRects, const DrawFill& fill, int nMix) override;
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
