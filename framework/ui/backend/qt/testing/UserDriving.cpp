// Mouse input from code: events given to Qt as the desktop gives them, so that Qt chooses the
// widget under the pointer, keeps its implicit grab and makes double clicks as for a user; a drag
// of files given to the window as Qt gives the desktop's; and a new desktop colour announced as Qt
// announces a theme change.
#include "framework/ui/testing/UserDriving.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/DesktopColors.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>
#include <QStyleHints>
#include <QUrl>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

// Qt's entry for window-system mouse events made by tests, exported by QtGui.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
	Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);
// And its entry for keyboard events.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers mods,
	const QString& text, bool autorep, ushort count);

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

struct KeyOfVirtualKey
{
	UINT nVirtKey;
	int nQtKey;
	const char* pszText;
};

const KeyOfVirtualKey s_namedKeys[] = {
	{ VK_BACK, Qt::Key_Backspace, "\b" },
	{ VK_TAB, Qt::Key_Tab, "\t" },
	{ VK_RETURN, Qt::Key_Return, "\r" },
	{ VK_ESCAPE, Qt::Key_Escape, "\x1b" },
	{ VK_SPACE, Qt::Key_Space, " " },
	{ VK_PRIOR, Qt::Key_PageUp, "" },
	{ VK_NEXT, Qt::Key_PageDown, "" },
	{ VK_END, Qt::Key_End, "" },
	{ VK_HOME, Qt::Key_Home, "" },
	{ VK_LEFT, Qt::Key_Left, "" },
	{ VK_UP, Qt::Key_Up, "" },
	{ VK_RIGHT, Qt::Key_Right, "" },
	{ VK_DOWN, Qt::Key_Down, "" },
	{ VK_INSERT, Qt::Key_Insert, "" },
	{ VK_DELETE, Qt::Key_Delete, "" },
};

bool QtKeyOf(UINT nVirtKey, int& nQtKey, QString& strText)
{
	if ((nVirtKey >= 'A' && nVirtKey <= 'Z') || (nVirtKey >= '0' && nVirtKey <= '9'))
	{
		nQtKey = static_cast<int>(nVirtKey);
		strText = QString(QChar(static_cast<char16_t>(nVirtKey))).toLower();
		return true;
	}
	for (const KeyOfVirtualKey& key : s_namedKeys)
	{
		if (key.nVirtKey == nVirtKey)
		{
			nQtKey = key.nQtKey;
			strText = QString::fromLatin1(key.pszText);
			return true;
		}
	}
	return false;
}

QWindow* ShownWindowOf(CWindowRecord* pHost)
{
	if (pHost == nullptr || NativeWidget(pHost->Handle()) == nullptr || !NativeWidget(pHost->Handle())->isVisible())
	{
		return nullptr;
	}
	return NativeWidget(pHost->Handle())->window()->windowHandle();
}

}

BOOL AfxSendMouseInput(CWnd* pWnd, UINT message, CPoint ptClient, UINT nKeyFlags)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
	MouseEventKind kind;
	if (pHost == nullptr || NativeWidget(pHost->Handle()) == nullptr || !NativeWidget(pHost->Handle())->isVisible() || !KindOf(message, kind))
	{
		return FALSE;
	}
	QWidget* pTopWidget = NativeWidget(pHost->Handle())->window();
	QWindow* pWindow = pTopWidget->windowHandle();
	if (pWindow == nullptr)
	{
		return FALSE;
	}
	const CPoint offset = pHost->ClientOffsetInNative();
	const QPoint ptWidget(ptClient.x + offset.x, ptClient.y + offset.y);
	const QPointF ptLocal = NativeWidget(pHost->Handle())->mapTo(pTopWidget, ptWidget);
	const QPointF ptGlobal = NativeWidget(pHost->Handle())->mapToGlobal(ptWidget);
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

BOOL AfxSendMouseWheel(CWnd* pWnd, short zDelta, CPoint ptClient, UINT nKeyFlags)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
	if (ShownWindowOf(pHost) == nullptr)
	{
		return FALSE;
	}
	QWidget* pTopWidget = NativeWidget(pHost->Handle())->window();
	const CPoint offset = pHost->ClientOffsetInNative();
	const QPoint ptWidget(ptClient.x + offset.x, ptClient.y + offset.y);
	const QPoint ptGlobal = NativeWidget(pHost->Handle())->mapToGlobal(ptWidget);
	QWidget* pUnder = pTopWidget->childAt(pTopWidget->mapFromGlobal(ptGlobal));
	if (pUnder == nullptr)
	{
		pUnder = pTopWidget;
	}
	QWheelEvent event(pUnder->mapFromGlobal(ptGlobal), ptGlobal, QPoint(), QPoint(0, zDelta),
		s_held | ButtonsOf(nKeyFlags), ModifiersOf(nKeyFlags), Qt::NoScrollPhase, false);
	QCoreApplication::sendEvent(pUnder, &event);
	return TRUE;
}

BOOL AfxSendKeyInput(CWnd* pWnd, UINT message, UINT nVirtKey)
{
	QWindow* pWindow = ShownWindowOf(CWindowRecord::FromHandle(pWnd != nullptr ? pWnd->m_hWnd : nullptr));
	int nQtKey = 0;
	QString strText;
	if (pWindow == nullptr || (message != WM_KEYDOWN && message != WM_KEYUP) || !QtKeyOf(nVirtKey, nQtKey, strText))
	{
		return FALSE;
	}
	qt_handleKeyEvent(pWindow, message == WM_KEYDOWN ? QEvent::KeyPress : QEvent::KeyRelease, nQtKey,
		Qt::NoModifier, strText, false, 1);
	return TRUE;
}

BOOL AfxSendFileDrop(CWnd* pWnd, const std::vector<CString>& paths, CPoint ptClient)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
	QWindow* pWindow = ShownWindowOf(pHost);
	if (pWindow == nullptr)
	{
		return FALSE;
	}
	QWidget* pWidget = NativeWidget(pHost->Handle());
	const CPoint offset = pHost->ClientOffsetInNative();
	const QPoint ptLocal = pWidget->mapTo(pWidget->window(), QPoint(ptClient.x + offset.x, ptClient.y + offset.y));
	// A file manager offers its files as addresses and as text, and lets them be copied, moved or linked.
	QList<QUrl> urls;
	QStringList texts;
	for (const CString& strPath : paths)
	{
		urls << QUrl::fromLocalFile(ToQString(strPath));
		texts << ToQString(strPath);
	}
	QMimeData data;
	data.setUrls(urls);
	data.setText(texts.join('\n'));
	const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
	// The window system's drag reaches the top-level window as Qt delivers it: it enters, moves with
	// the action the window chose on entering, then drops or leaves.
	QDragEnterEvent enter(ptLocal, actions, &data, Qt::LeftButton, Qt::NoModifier);
	QCoreApplication::sendEvent(pWindow, &enter);
	QDragMoveEvent move(ptLocal, actions, &data, Qt::LeftButton, Qt::NoModifier);
	if (enter.isAccepted() && enter.dropAction() != Qt::IgnoreAction)
	{
		move.setDropAction(enter.dropAction());
		move.accept();
	}
	QCoreApplication::sendEvent(pWindow, &move);
	if (!move.isAccepted() || move.dropAction() == Qt::IgnoreAction)
	{
		QDragLeaveEvent leave;
		QCoreApplication::sendEvent(pWindow, &leave);
		return FALSE;
	}
	QDropEvent drop(ptLocal, actions, &data, Qt::NoButton, Qt::NoModifier);
	drop.setDropAction(move.dropAction());
	QCoreApplication::sendEvent(pWindow, &drop);
	return drop.isAccepted() ? TRUE : FALSE;
}

BOOL AfxSendCloseRequest(CWnd* pWnd)
{
	QWidget* pWidget = NativeWidget(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
	if (pWidget == nullptr || !pWidget->isWindow() || !pWidget->isVisible())
	{
		return FALSE;
	}
	pWidget->close();
	return TRUE;
}

void AfxSetDesktopSysColor(int nIndex, COLORREF cr)
{
	QueueDesktopColor(nIndex, cr);
	// What Qt sends the application when the desktop's theme gives it a new palette.
	QEvent event(QEvent::ApplicationPaletteChange);
	QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
}
