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
};
