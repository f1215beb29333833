// Mouse input from code: events given to Qt as the desktop gives them, so that Qt chooses the
// widget under the pointer, keeps its implicit grab and makes double clicks as for a user; and a
// new desktop colour announced as Qt announces a theme change.
#include "framework/ui/window/UserDriving.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/qt/DesktopColors.h"
#include "framework/ui/qt/WindowHost.h"
#include "framework/ui/window/Wnd.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

// Qt's entry for window-system mouse events made by tests, exported by QtGui.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
	Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace
{

// The desktop's clock for these events: presses far enough apart make no double click by chance.
int s_nClock = 0;
Qt::MouseButtons s_held;

struct MouseEventKind
{
	QEvent::Type type;
	Qt::MouseButton button;
	bool bSecondPress;
};

bool KindOf(UINT message, MouseEventKind& kind)
{
	switch (message)
	{
	case WM_MOUSEMOVE: kind = { QEvent::MouseMove, Qt::NoButton, false }; return true;
	case WM_LBUTTONDOWN: kind = { QEvent::MouseButtonPress, Qt::LeftButton, false }; return true;
	case WM_LBUTTONUP: kind = { QEvent::MouseButtonRelease, Qt::LeftButton, false }; return true;
	case WM_LBUTTONDBLCLK: kind = { QEvent::MouseButtonPress, Qt::LeftButton, true }; return true;
	case WM_RBUTTONDOWN: kind = { QEvent::MouseButtonPress, Qt::RightButton, false }; return true;
	case WM_RBUTTONUP: kind = { QEvent::MouseButtonRelease, Qt::RightButton, false }; return true;
	case WM_RBUTTONDBLCLK: kind = { QEvent::MouseButtonPress, Qt::RightButton, true }; return true;
	default: return false;
	}
}

Qt::KeyboardModifiers ModifiersOf(UINT nKeyFlags)
{
	Qt::KeyboardModifiers modifiers;
	modifiers.setFlag(Qt::ShiftModifier, (nKeyFlags & MK_SHIFT) != 0);
	modifiers.setFlag(Qt::ControlModifier, (nKeyFlags & MK_CONTROL) != 0);
	return modifiers;
}

Qt::MouseButtons ButtonsOf(UINT nKeyFlags)
{
	Qt::MouseButtons buttons;
	buttons.setFlag(Qt::LeftButton, (nKeyFlags & MK_LBUTTON) != 0);
	buttons.setFlag(Qt::RightButton, (nKeyFlags & MK_RBUTTON) != 0);
	buttons.setFlag(Qt::MiddleButton, (nKeyFlags & MK_MBUTTON) != 0);
	return buttons;
}

}

BOOL AfxSendMouseInput(CWnd* pWnd, UINT message, CPoint ptClient, UINT nKeyFlags)
{
	CWindowHost* pHost = CWindowHost::FromHandle(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
	MouseEventKind kind;
	if (pHost == nullptr || pHost->m_pWidget == nullptr || !pHost->m_pWidget->isVisible() || !KindOf(message, kind))
	{
		return FALSE;
	}
	QWidget* pTopWidget = pHost->m_pWidget->window();
	QWindow* pWindow = pTopWidget->windowHandle();
	if (pWindow == nullptr)
	{
		return FALSE;
	}
	const CPoint offset = pHost->ClientOffsetInWidget();
	const QPoint ptWidget(ptClient.x + offset.x, ptClient.y + offset.y);
	const QPointF ptLocal = pHost->m_pWidget->mapTo(pTopWidget, ptWidget);
	const QPointF ptGlobal = pHost->m_pWidget->mapToGlobal(ptWidget);
	const int nDoubleClick = QGuiApplication::styleHints()->mouseDoubleClickInterval();
	s_nClock += kind.type == QEvent::MouseButtonPress && !kind.bSecondPress ? nDoubleClick + 1 : 1;
	Qt::MouseButtons state = s_held;
	if (kind.type == QEvent::MouseButtonPress)
	{
		s_held |= kind.button;
		state = s_held;
	}
	else if (kind.type == QEvent::MouseButtonRelease)
	{
		s_held &= ~Qt::MouseButtons(kind.button);
		state = s_held;
	}
	else
	{
		state |= ButtonsOf(nKeyFlags);
	}
	qt_handleMouseEvent(pWindow, ptLocal, ptGlobal, state, kind.button, kind.type, ModifiersOf(nKeyFlags), s_nClock);
	return TRUE;
}

void AfxSetDesktopSysColor(int nIndex, COLORREF cr)
{
	StoreSysColor(nIndex, cr);
	// What Qt sends the application when the desktop's theme gives it a new palette.
	QEvent event(QEvent::ApplicationPaletteChange);
	QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
}
