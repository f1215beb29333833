// Translation of Qt events on a window's widget into the window's messages: painting, mouse,
// keyboard, focus, moves by the desktop and the close box.
#include "framework/ui/backend/qt/WindowWidget.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/AppLoop.h"
#include "framework/ui/backend/qt/MessagePost.h"
#include "framework/ui/backend/qt/WindowActivation.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowInput.h"
#include "framework/ui/window/Wnd.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

namespace
{

int VirtualKeyOf(int nQtKey)
{
	if ((nQtKey >= Qt::Key_A && nQtKey <= Qt::Key_Z) || (nQtKey >= Qt::Key_0 && nQtKey <= Qt::Key_9))
	{
		return nQtKey;
	}
	if (nQtKey >= Qt::Key_F1 && nQtKey <= Qt::Key_F12)
	{
		return VK_F1 + (nQtKey - Qt::Key_F1);
	}
	switch (nQtKey)
	{
	case Qt::Key_Backspace: return VK_BACK;
	case Qt::Key_Tab: return VK_TAB;
	case Qt::Key_Backtab: return VK_TAB;
	case Qt::Key_Return: return VK_RETURN;
	case Qt::Key_Enter: return VK_RETURN;
	case Qt::Key_Shift: return VK_SHIFT;
	case Qt::Key_Control: return VK_CONTROL;
	case Qt::Key_Alt: return VK_MENU;
	case Qt::Key_Pause: return VK_PAUSE;
	case Qt::Key_CapsLock: return VK_CAPITAL;
	case Qt::Key_Escape: return VK_ESCAPE;
	case Qt::Key_Space: return VK_SPACE;
	case Qt::Key_PageUp: return VK_PRIOR;
	case Qt::Key_PageDown: return VK_NEXT;
	case Qt::Key_End: return VK_END;
	case Qt::Key_Home: return VK_HOME;
	case Qt::Key_Left: return VK_LEFT;
	case Qt::Key_Up: return VK_UP;
	case Qt::Key_Right: return VK_RIGHT;
	case Qt::Key_Down: return VK_DOWN;
	case Qt::Key_Insert: return VK_INSERT;
	case Qt::Key_Delete: return VK_DELETE;
	case Qt::Key_Help: return VK_HELP;
	case Qt::Key_NumLock: return VK_NUMLOCK;
	case Qt::Key_ScrollLock: return VK_SCROLL;
	default: return 0;
	}
}

UINT MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
	UINT nFlags = 0;
	if (buttons & Qt::LeftButton)
	{
		nFlags |= MK_LBUTTON;
	}
	if (buttons & Qt::RightButton)
	{
		nFlags |= MK_RBUTTON;
	}
	if (buttons & Qt::MiddleButton)
	{
		nFlags |= MK_MBUTTON;
	}
	if (modifiers & Qt::ShiftModifier)
	{
		nFlags |= MK_SHIFT;
	}
	if (modifiers & Qt::ControlModifier)
	{
		nFlags |= MK_CONTROL;
	}
	return nFlags;
}

// Sends one message for the event being translated; true when the widget must not see the event.
bool SendForEvent(CWindowHost* pHost, QEvent* pEvent, UINT message, WPARAM wParam, LPARAM lParam)
{
	HWND hWnd = pHost->Handle();
	MSG msg = {};
	msg.hwnd = hWnd;
	msg.message = message;
	msg.wParam = wParam;
	msg.lParam = lParam;
	if (QueueInputMessage(msg))
	{
		return true;
	}
	pHost = CWindowHost::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return true;
	}
	NoteInputTaken(msg);
	for (CWindowHost* pWalk = pHost; pWalk != nullptr; pWalk = pWalk->IsChildWindow() ? pWalk->m_pParent : nullptr)
	{
		if (pWalk->m_pWnd != nullptr && pWalk->m_pWnd->PreTranslateMessage(&msg))
		{
			return true;
		}
	}
	pHost = CWindowHost::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return true;
	}
	QEvent* pOuterEvent = pHost->m_pTranslatedEvent;
	bool bOuterToWidget = pHost->m_bEventToWidget;
	pHost->m_pTranslatedEvent = pEvent;
	pHost->m_bEventToWidget = false;
	pHost->Send(message, wParam, lParam);
	pHost = CWindowHost::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return true;
	}
	bool bToWidget = pHost->m_bEventToWidget;
	pHost->m_pTranslatedEvent = pOuterEvent;
	pHost->m_bEventToWidget = bOuterToWidget;
	return !bToWidget;
}

bool TranslateMouse(CWindowHost* pHost, QMouseEvent* pEvent)
{
	CWindowHost* pTarget = CaptureHost() != nullptr ? CaptureHost() : pHost;
	if (pTarget->m_pWidget == nullptr)
	{
		return true;
	}
	if (CaptureHost() == nullptr && !pTarget->IsEnabledForInput())
	{
		return true;
	}
	QPoint widgetPoint = pTarget->m_pWidget->mapFromGlobal(pEvent->globalPosition().toPoint());
	CPoint offset = pTarget->ClientOffsetInWidget();
	LPARAM lParam = MAKELPARAM(static_cast<WORD>(widgetPoint.x() - offset.x), static_cast<WORD>(widgetPoint.y() - offset.y));
	WPARAM nFlags = MouseKeyFlags(pEvent->buttons(), pEvent->modifiers());
	bool bDoubleClicks = (pTarget->m_pClass->wc.style & CS_DBLCLKS) != 0;
	UINT message = WM_MOUSEMOVE;
	Qt::MouseButton button = pEvent->button();
	switch (pEvent->type())
	{
	case QEvent::MouseButtonPress:
	case QEvent::MouseButtonDblClick:
	{
		bool bDouble = pEvent->type() == QEvent::MouseButtonDblClick && bDoubleClicks;
		if (button == Qt::LeftButton)
		{
			message = bDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
		}
		else if (button == Qt::RightButton)
		{
			message = bDouble ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
		}
		else if (button == Qt::MiddleButton)
		{
			message = bDouble ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN;
		}
		else
		{
			return true;
		}
		break;
	}
	case QEvent::MouseButtonRelease:
		if (button == Qt::LeftButton)
		{
			message = WM_LBUTTONUP;
		}
		else if (button == Qt::RightButton)
		{
			message = WM_RBUTTONUP;
		}
		else if (button == Qt::MiddleButton)
		{
			message = WM_MBUTTONUP;
		}
		else
		{
			return true;
		}
		break;
	default:
		break;
	}
	AppNoteActivity();
	SetMouseHost(pTarget);
	const bool bPress = pEvent->type() == QEvent::MouseButtonPress || pEvent->type() == QEvent::MouseButtonDblClick;
	if (CaptureHost() == nullptr && bPress)
	{
		HWND hTarget = pTarget->Handle();
		bool bPressGoesOn = MouseActivate(hTarget, message);
		pTarget = CWindowHost::FromHandle(hTarget);
		if (pTarget == nullptr || !bPressGoesOn)
		{
			return true;
		}
	}
	if (CaptureHost() == nullptr && message != WM_LBUTTONUP && message != WM_RBUTTONUP && message != WM_MBUTTONUP)
	{
		HWND hTarget = pTarget->Handle();
		pTarget->Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(hTarget), MAKELPARAM(HTCLIENT, message));
		pTarget = CWindowHost::FromHandle(hTarget);
		if (pTarget == nullptr)
		{
			return true;
		}
	}
	return SendForEvent(pTarget, pEvent, message, nFlags, lParam);
}

bool TranslateKey(CWindowHost* pHost, QKeyEvent* pEvent)
{
	if (!pHost->IsEnabledForInput() || !pHost->TopLevel()->IsEnabledForInput())
	{
		return true;
	}
	AppNoteActivity();
	int nVirtKey = VirtualKeyOf(pEvent->key());
	HWND hWnd = pHost->Handle();
	if (pEvent->type() == QEvent::KeyRelease)
	{
		return nVirtKey == 0 || SendForEvent(pHost, pEvent, WM_KEYUP, nVirtKey, MAKELPARAM(1, 0xC000));
	}
	bool bConsumed = nVirtKey != 0
		&& SendForEvent(pHost, pEvent, WM_KEYDOWN, nVirtKey, MAKELPARAM(1, pEvent->isAutoRepeat() ? 0x4000 : 0));
	pHost = CWindowHost::FromHandle(hWnd);
	QString strText = pEvent->text();
	if (pHost != nullptr && !strText.isEmpty() && strText.at(0).unicode() != 0x7F)
	{
		// Windows turns the key into WM_CHAR when the message loop translates it.
		bool bCharConsumed = SendForEvent(pHost, pEvent, WM_CHAR, strText.at(0).unicode(), MAKELPARAM(1, 0));
		return bConsumed || bCharConsumed;
	}
	return bConsumed || nVirtKey == 0;
}

// Windows gives the wheel to the window with the focus, wherever the mouse is; a native control
// with the focus scrolls by it only when it is under the mouse as well.
bool TranslateWheel(CWindowHost* pHost, QWheelEvent* pEvent)
{
	CWindowHost* pTarget = FocusHost() != nullptr ? FocusHost() : pHost;
	const int nDelta = pEvent->angleDelta().y();
	if (nDelta == 0 || !pTarget->IsEnabledForInput() || !pTarget->TopLevel()->IsEnabledForInput())
	{
		return true;
	}
	AppNoteActivity();
	const QPoint ptScreen = pEvent->globalPosition().toPoint();
	const WPARAM wParam = MAKEWPARAM(static_cast<WORD>(MouseKeyFlags(pEvent->buttons(), pEvent->modifiers())),
		static_cast<WORD>(static_cast<short>(nDelta)));
	const LPARAM lParam = MAKELPARAM(static_cast<WORD>(ptScreen.x()), static_cast<WORD>(ptScreen.y()));
	const bool bConsumed = SendForEvent(pTarget, pEvent, WM_MOUSEWHEEL, wParam, lParam);
	return bConsumed || pTarget != pHost;
}

bool PaintFromSurface(CWindowHost* pHost, QWidget* pWidget)
{
	if (!pHost->PaintsOnSurface())
	{
		return false;
	}
	HWND hWnd = pHost->Handle();
	pHost->PaintPending();
	pHost = CWindowHost::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return true;
	}
	QPainter painter(pWidget);
	pHost->PaintNonClient(painter);
	CPoint offset = pHost->ClientOffsetInWidget();
	painter.drawImage(offset.x, offset.y, pHost->Surface());
	return true;
}

void FollowDesktopGeometry(CWindowHost* pHost, QWidget* pWidget)
{
	if (pHost->IsChildWindow() || pHost->m_bIconic)
	{
		return;
	}
	// The widget holds the menu bar as well as the client area.
	QRect rcWidget = pWidget->geometry();
	CRect margins = pHost->NonClientMargins();
	margins.top -= pHost->ClientOffsetInWidget().y;
	CRect rcWindow(rcWidget.left() - margins.left, rcWidget.top() - margins.top,
		rcWidget.left() + rcWidget.width() + margins.right, rcWidget.top() + rcWidget.height() + margins.bottom);
	if (rcWindow != pHost->m_rcWindow)
	{
		pHost->SetWindowRect(rcWindow, true);
	}
}

// A window without a minimise box cannot be minimised on Windows; some window managers offer the
// button whatever the window's hints say, so the window comes back at once.
void RefuseMinimizing(CWindowHost* pHost, QWidget* pWidget)
{
	if (pHost->IsChildWindow() || (pHost->m_dwStyle & WS_MINIMIZEBOX) != 0 || !pWidget->isMinimized())
	{
		return;
	}
	QTimer::singleShot(0, pWidget, [pWidget] { pWidget->setWindowState(pWidget->windowState() & ~Qt::WindowMinimized); });
}

}

bool TranslateWindowEvent(HWND hWnd, QWidget* pWidget, QEvent* pEvent)
{
	CWindowHost* pHost = CWindowHost::FromHandle(hWnd);
	if (pHost == nullptr || pHost->m_pWidget != pWidget)
	{
		return false;
	}
	switch (pEvent->type())
	{
	case QEvent::Paint:
		return PaintFromSurface(pHost, pWidget);
	case QEvent::MouseButtonPress:
	case QEvent::MouseButtonRelease:
	case QEvent::MouseButtonDblClick:
	case QEvent::MouseMove:
		return TranslateMouse(pHost, static_cast<QMouseEvent*>(pEvent));
	case QEvent::Wheel:
		return TranslateWheel(pHost, static_cast<QWheelEvent*>(pEvent));
	case QEvent::KeyPress:
	case QEvent::KeyRelease:
		return TranslateKey(pHost, static_cast<QKeyEvent*>(pEvent));
	case QEvent::FocusIn:
		NoteQtFocusIn(pHost);
		return false;
	case QEvent::FocusOut:
		NoteQtFocusOut(pHost);
		return false;
	case QEvent::Move:
	case QEvent::Resize:
		FollowDesktopGeometry(pHost, pWidget);
		return false;
	case QEvent::WindowActivate:
		if (!pHost->IsChildWindow())
		{
			NoteHostActivated(pHost);
		}
		return false;
	case QEvent::WindowStateChange:
		RefuseMinimizing(pHost, pWidget);
		return false;
	case QEvent::Close:
		// The close box asks the window, which decides through WM_SYSCOMMAND and WM_CLOSE.
		pEvent->ignore();
		if (!pHost->IsChildWindow())
		{
			pHost->Send(WM_SYSCOMMAND, SC_CLOSE, 0);
		}
		return true;
	default:
		return false;
	}
}
