// The toolkit's events turned into the window's messages: painting, mouse, keyboard, focus,
// moves by the desktop, the close box, timers and the desktop's colours.
#include "framework/core/BarConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/MessageQueue.h"
#include "framework/ui/window/WindowActivation.h"
#include "framework/ui/window/WindowInput.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/WindowToolTips.h"
#include "framework/ui/window/Wnd.h"

namespace
{

// Sends one message made from the toolkit's input; true when the native window must not see it.
bool SendForInput(CWindowRecord* pRecord, UINT message, WPARAM wParam, LPARAM lParam)
{
	HWND hWnd = pRecord->Handle();
	MSG msg = {};
	msg.hwnd = hWnd;
	msg.message = message;
	msg.wParam = wParam;
	msg.lParam = lParam;
	if (QueueInputMessage(msg))
	{
		return true;
	}
	pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return true;
	}
	NoteInputTaken(msg);
	for (CWindowRecord* pWalk = pRecord; pWalk != nullptr; pWalk = pWalk->IsChildWindow() ? pWalk->m_pParent : nullptr)
	{
		if (pWalk->m_pWnd != nullptr && pWalk->m_pWnd->PreTranslateMessage(&msg))
		{
			return true;
		}
	}
	pRecord = CWindowRecord::FromHandle(hWnd);
	return pRecord == nullptr || pRecord->SendInput(message, wParam, lParam);
}

UINT ButtonMessage(const ToolkitMouse& mouse, bool bDoubleClicks)
{
	const bool bDouble = mouse.nAction == ToolkitMouseAction::DoubleClick && bDoubleClicks;
	const bool bRelease = mouse.nAction == ToolkitMouseAction::Release;
	switch (mouse.nButton)
	{
	case VK_LBUTTON:
		return bRelease ? WM_LBUTTONUP : (bDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN);
	case VK_RBUTTON:
		return bRelease ? WM_RBUTTONUP : (bDouble ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN);
	case VK_MBUTTON:
		return bRelease ? WM_MBUTTONUP : (bDouble ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN);
	default:
		return 0;
	}
}

// Windows gives the mouse over a disabled child to its nearest enabled ancestor, as a dialog sees
// the mouse over its disabled controls; a disabled top-level window, or one inside it, gets none.
CWindowRecord* EnabledMouseTarget(CWindowRecord* pRecord)
{
	while (pRecord != nullptr && !pRecord->IsEnabledForInput())
	{
		pRecord = pRecord->IsChildWindow() ? pRecord->m_pParent : nullptr;
	}
	return pRecord;
}

// Every window is drawn again in the desktop's new colours, as Windows does.
void AnnounceSysColorChange()
{
	for (HWND hWnd : CWindowRecord::TopLevelWindows())
	{
		if (CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd))
		{
			pRecord->Send(WM_SYSCOLORCHANGE, 0, 0);
		}
	}
	for (CWindowRecord* pRecord : CWindowRecord::LiveWindows())
	{
		if (!pRecord->m_bDead && pRecord->m_bNative)
		{
			pRecord->InvalidateClient(true);
			pRecord->RequestNativePaint();
		}
	}
}

}

bool OnToolkitPaint(HWND hWnd, SurfacePaint& paint)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr || !pRecord->PaintsOnSurface())
	{
		return false;
	}
	pRecord->PaintPending();
	pRecord = CWindowRecord::FromHandle(hWnd);
	paint.bFromSurface = pRecord != nullptr;
	if (pRecord != nullptr)
	{
		paint.ptClient = pRecord->ClientOffsetInNative();
		paint.sizeClient = pRecord->ClientSize();
		paint.nonClient = pRecord->NonClientAppearance();
	}
	return true;
}

bool OnToolkitMouse(HWND hWnd, const ToolkitMouse& mouse)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return false;
	}
	CWindowRecord* pTarget = CaptureWindow() != nullptr ? CaptureWindow() : EnabledMouseTarget(pRecord);
	if (pTarget == nullptr || !pTarget->m_bNative)
	{
		return true;
	}
	const CPoint ptNative = AfxGetDriver().MapFromScreen(pTarget->Handle(), mouse.ptScreen);
	const CPoint offset = pTarget->ClientOffsetInNative();
	const LPARAM lParam = MAKELPARAM(static_cast<WORD>(ptNative.x - offset.x), static_cast<WORD>(ptNative.y - offset.y));
	UINT message = WM_MOUSEMOVE;
	if (mouse.nAction != ToolkitMouseAction::Move)
	{
		message = ButtonMessage(mouse, (pTarget->m_pClass->wc.style & CS_DBLCLKS) != 0);
		if (message == 0)
		{
			return true;
		}
	}
	AfxNoteActivity();
	SetMouseWindow(pTarget);
	const bool bPress = mouse.nAction == ToolkitMouseAction::Press || mouse.nAction == ToolkitMouseAction::DoubleClick;
	if (CaptureWindow() == nullptr && bPress)
	{
		HWND hTarget = pTarget->Handle();
		bool bPressGoesOn = MouseActivate(hTarget, message);
		pTarget = CWindowRecord::FromHandle(hTarget);
		if (pTarget == nullptr || !bPressGoesOn)
		{
			return true;
		}
	}
	if (CaptureWindow() == nullptr && message != WM_LBUTTONUP && message != WM_RBUTTONUP && message != WM_MBUTTONUP)
	{
		HWND hTarget = pTarget->Handle();
		pTarget->Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(hTarget), MAKELPARAM(HTCLIENT, message));
		pTarget = CWindowRecord::FromHandle(hTarget);
		if (pTarget == nullptr)
		{
			return true;
		}
	}
	return SendForInput(pTarget, message, mouse.nKeyFlags, lParam);
}

// Windows gives the wheel to the window with the focus, wherever the mouse is; a native control
// with the focus scrolls by it only when it is under the mouse as well.
bool OnToolkitWheel(HWND hWnd, const CPoint& ptScreen, int nDelta, UINT nKeyFlags)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return false;
	}
	// Without a focus the wheel goes where a click would: a disabled child's parent takes it.
	CWindowRecord* pTarget = FocusWindow() != nullptr ? FocusWindow() : EnabledMouseTarget(pRecord);
	if (nDelta == 0 || pTarget == nullptr || !pTarget->IsEnabledForInput() || !pTarget->TopLevel()->IsEnabledForInput())
	{
		return true;
	}
	AfxNoteActivity();
	const WPARAM wParam = MAKEWPARAM(static_cast<WORD>(nKeyFlags), static_cast<WORD>(static_cast<short>(nDelta)));
	const LPARAM lParam = MAKELPARAM(static_cast<WORD>(ptScreen.x), static_cast<WORD>(ptScreen.y));
	const bool bConsumed = SendForInput(pTarget, WM_MOUSEWHEEL, wParam, lParam);
	return bConsumed || pTarget != pRecord;
}

bool OnToolkitKey(HWND hWnd, const ToolkitKey& key)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return false;
	}
	if (!pRecord->IsEnabledForInput() || !pRecord->TopLevel()->IsEnabledForInput())
	{
		return true;
	}
	AfxNoteActivity();
	if (!key.bPress)
	{
		return key.nVirtKey == 0 || SendForInput(pRecord, WM_KEYUP, static_cast<WPARAM>(key.nVirtKey), MAKELPARAM(1, 0xC000));
	}
	bool bConsumed = key.nVirtKey != 0
		&& SendForInput(pRecord, WM_KEYDOWN, static_cast<WPARAM>(key.nVirtKey), MAKELPARAM(1, key.bAutoRepeat ? 0x4000 : 0));
	pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord != nullptr && key.nChar != 0 && key.nChar != 0x7F)
	{
		// Windows turns the key into WM_CHAR when the message loop translates it.
		bool bCharConsumed = SendForInput(pRecord, WM_CHAR, key.nChar, MAKELPARAM(1, 0));
		return bConsumed || bCharConsumed;
	}
	return bConsumed || key.nVirtKey == 0;
}

void OnToolkitFocusIn(HWND hWnd)
{
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd))
	{
		SetFocusWindow(pRecord);
	}
}

void OnToolkitFocusOut(HWND hWnd)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord != nullptr && pRecord == FocusWindow())
	{
		SetFocusWindow(nullptr);
	}
}

void OnToolkitMovedByDesktop(HWND hWnd, const CRect& rcNative)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr || pRecord->IsChildWindow() || pRecord->m_bIconic)
	{
		return;
	}
	// The native window holds the menu bar as well as the client area.
	CRect margins = pRecord->NonClientMargins();
	margins.top -= pRecord->ClientOffsetInNative().y;
	CRect rcWindow(rcNative.left - margins.left, rcNative.top - margins.top, rcNative.right + margins.right,
		rcNative.bottom + margins.bottom);
	if (rcWindow != pRecord->m_rcWindow)
	{
		pRecord->SetWindowRect(rcWindow, true);
	}
}

void OnToolkitActivated(HWND hWnd)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord != nullptr && !pRecord->IsChildWindow())
	{
		NoteWindowActivated(pRecord);
	}
}

// A window without a minimise box cannot be minimised on Windows.
bool OnToolkitMinimized(HWND hWnd)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	return pRecord == nullptr || pRecord->IsChildWindow() || (pRecord->m_dwStyle & WS_MINIMIZEBOX) != 0;
}

// The close box asks the window, which decides through WM_SYSCOMMAND and WM_CLOSE.
void OnToolkitCloseRequest(HWND hWnd)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord != nullptr && !pRecord->IsChildWindow())
	{
		pRecord->Send(WM_SYSCOMMAND, SC_CLOSE, 0);
	}
}

void OnToolkitTimer(HWND hWnd, UINT_PTR nIDEvent)
{
	if (hWnd == nullptr)
	{
		OnToolTipHoverTimer();
		return;
	}
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd))
	{
		FireWindowTimer(*pRecord, nIDEvent);
	}
}

void OnToolkitColorsChanged(const std::vector<std::pair<int, COLORREF>>& colors)
{
	for (const auto& color : colors)
	{
		AfxStoreSysColor(color.first, color.second);
		// The system colour brushes follow their colours, as on Windows.
		AfxSyncSysColorBrush(color.first);
	}
	// The desktop's record is made on first use and joins the window list: made here, not in a loop over it.
	CWindowRecord::Desktop();
	AnnounceSysColorChange();
}

void OnToolkitMouseLeave(HWND hWnd)
{
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd))
	{
		pRecord->Send(WM_MOUSELEAVE, 0, 0);
	}
}
