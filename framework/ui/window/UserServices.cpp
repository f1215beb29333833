// System colours and metrics, key state, cursors and the beep.
#include "framework/ui/window/UserServices.h"

#include "framework/ui/gdi/Brush.h"
#include "framework/ui/backend/qt/AppCursors.h"
#include "framework/ui/backend/qt/DesktopColors.h"
#include "framework/ui/backend/qt/GdiObjectData.h"
#include "framework/ui/backend/qt/BarLockKeys.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowInput.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <chrono>
#include <thread>

namespace
{

// The classic (Windows 95) scheme, until the desktop changes it.
COLORREF s_sysColors[] = {
	RGB(192, 192, 192),	// COLOR_SCROLLBAR
	RGB(0, 128, 128),	// COLOR_BACKGROUND
	RGB(0, 0, 128),	// COLOR_ACTIVECAPTION
	RGB(128, 128, 128),	// COLOR_INACTIVECAPTION
	RGB(192, 192, 192),	// COLOR_MENU
	RGB(255, 255, 255),	// COLOR_WINDOW
	RGB(0, 0, 0),	// COLOR_WINDOWFRAME
	RGB(0, 0, 0),	// COLOR_MENUTEXT
	RGB(0, 0, 0),	// COLOR_WINDOWTEXT
	RGB(255, 255, 255),	// COLOR_CAPTIONTEXT
	RGB(192, 192, 192),	// COLOR_ACTIVEBORDER
	RGB(192, 192, 192),	// COLOR_INACTIVEBORDER
	RGB(128, 128, 128),	// COLOR_APPWORKSPACE
	RGB(0, 0, 128),	// COLOR_HIGHLIGHT
	RGB(255, 255, 255),	// COLOR_HIGHLIGHTTEXT
	RGB(192, 192, 192),	// COLOR_BTNFACE
	RGB(128, 128, 128),	// COLOR_BTNSHADOW
	RGB(128, 128, 128),	// COLOR_GRAYTEXT
	RGB(0, 0, 0),	// COLOR_BTNTEXT
	RGB(192, 192, 192),	// COLOR_INACTIVECAPTIONTEXT
	RGB(255, 255, 255),	// COLOR_BTNHIGHLIGHT
	RGB(0, 0, 0),	// COLOR_3DDKSHADOW
	RGB(192, 192, 192),	// COLOR_3DLIGHT
	RGB(0, 0, 0),	// COLOR_INFOTEXT
	RGB(255, 255, 225),	// COLOR_INFOBK
};

constexpr int SYS_COLOR_COUNT = static_cast<int>(sizeof(s_sysColors) / sizeof(s_sysColors[0]));

HCURSOR s_hCurrentCursor = nullptr;

QSize ScreenSize()
{
	QScreen* pScreen = QGuiApplication::primaryScreen();
	return pScreen != nullptr ? pScreen->geometry().size() : QSize(1024, 768);
}

}

COLORREF GetSysColor(int nIndex)
{
	return nIndex >= 0 && nIndex < SYS_COLOR_COUNT ? s_sysColors[nIndex] : 0;
}

HBRUSH GetSysColorBrush(int nIndex)
{
	// Created once and never freed: handles given out must stay valid for the whole run.
	static CBrush* s_brushes[SYS_COLOR_COUNT] = {};
	if (nIndex < 0 || nIndex >= SYS_COLOR_COUNT)
	{
		return nullptr;
	}
	if (s_brushes[nIndex] == nullptr)
	{
		s_brushes[nIndex] = new CBrush(s_sysColors[nIndex]);
	}
	return static_cast<HBRUSH>(*s_brushes[nIndex]);
}

void StoreSysColor(int nIndex, COLORREF cr)
{
	if (nIndex < 0 || nIndex >= SYS_COLOR_COUNT)
	{
		return;
	}
	s_sysColors[nIndex] = cr;
	if (std::shared_ptr<GdiBrushData> pBrush = GdiFind<GdiBrushData>(reinterpret_cast<HGDIOBJ>(GetSysColorBrush(nIndex))))
	{
		pBrush->m_logBrush.lbColor = cr;
	}
}

int GetSystemMetrics(int nIndex)
{
	switch (nIndex)
	{
	case SM_CXSCREEN:
	case SM_CXFULLSCREEN:
		return ScreenSize().width();
	case SM_CYSCREEN:
	case SM_CYFULLSCREEN:
		return ScreenSize().height();
	case SM_CXVSCROLL:
	case SM_CYHSCROLL:
	case SM_CYVSCROLL:
	case SM_CXHSCROLL:
	case SM_CYVTHUMB:
	case SM_CXHTHUMB:
	case SM_CXSMICON:
	case SM_CYSMICON:
		return 16;
	case SM_CYCAPTION:
		return 18;
	case SM_CXBORDER:
	case SM_CYBORDER:
	case SM_MOUSEPRESENT:
		return 1;
	case SM_CXEDGE:
	case SM_CYEDGE:
		return 2;
	case SM_CXDLGFRAME:
	case SM_CYDLGFRAME:
		return 3;
	case SM_CXFRAME:
	case SM_CYFRAME:
	case SM_CXDOUBLECLK:
	case SM_CYDOUBLECLK:
		return 4;
	case SM_CYMENU:
		return 19;
	case SM_CXICON:
	case SM_CYICON:
	case SM_CXCURSOR:
	case SM_CYCURSOR:
		return 32;
	case SM_CXMIN:
		return 112;
	case SM_CYMIN:
		return 27;
	default:
		return 0;
	}
}

short GetKeyState(int nVirtKey)
{
	constexpr unsigned short KEY_DOWN = 0x8000;
	constexpr unsigned short KEY_TOGGLED = 0x0001;
	bool bDown = false;
	// The keys as the last input read left them, not as they are now: a quick Ctrl+F is often
	// released before its F is handled.
	Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
	Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
	switch (nVirtKey)
	{
	case VK_SHIFT:
		bDown = (modifiers & Qt::ShiftModifier) != 0;
		break;
	case VK_CONTROL:
		bDown = (modifiers & Qt::ControlModifier) != 0;
		break;
	case VK_MENU:
		bDown = (modifiers & Qt::AltModifier) != 0;
		break;
	case VK_LBUTTON:
		bDown = (buttons & Qt::LeftButton) != 0;
		break;
	case VK_RBUTTON:
		bDown = (buttons & Qt::RightButton) != 0;
		break;
	case VK_MBUTTON:
		bDown = (buttons & Qt::MiddleButton) != 0;
		break;
	case VK_CAPITAL:
	case VK_NUMLOCK:
	case VK_SCROLL:
		return static_cast<short>(IsLockKeyToggled(nVirtKey) ? KEY_TOGGLED : 0);
	default:
		bDown = IsKeyLeftDown(nVirtKey);
		break;
	}
	return static_cast<short>(bDown ? KEY_DOWN : 0);
}

HCURSOR LoadCursor(HINSTANCE, LPCTSTR lpCursorName)
{
	if (!IS_INTRESOURCE(lpCursorName))
	{
		return nullptr;
	}
	return StandardCursor(static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpCursorName)));
}

HCURSOR SetCursor(HCURSOR hCursor)
{
	HCURSOR hOld = s_hCurrentCursor;
	s_hCurrentCursor = hCursor;
	CWindowHost* pHost = CaptureHost() != nullptr ? CaptureHost() : MouseHost();
	if (pHost != nullptr && pHost->m_pWidget != nullptr)
	{
		if (hCursor != nullptr)
		{
			pHost->m_pWidget->setCursor(QCursor(hCursor->shape));
		}
		else
		{
			pHost->m_pWidget->setCursor(QCursor(Qt::BlankCursor));
		}
	}
	return hOld;
}

BOOL GetCursorPos(LPPOINT lpPoint)
{
	QPoint point = QCursor::pos();
	lpPoint->x = point.x();
	lpPoint->y = point.y();
	return TRUE;
}

BOOL MessageBeep(UINT)
{
	QApplication::beep();
	return TRUE;
}

DWORD GetTickCount()
{
	static QElapsedTimer s_clock;
	if (!s_clock.isValid())
	{
		s_clock.start();
	}
	return static_cast<DWORD>(s_clock.elapsed());
}

void Sleep(DWORD dwMilliseconds)
{
	std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
