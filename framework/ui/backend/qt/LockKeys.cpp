// Lock-key toggles through Xkb's named keyboard indicators on the display Qt uses.
#include "framework/ui/backend/qt/LockKeys.h"

#include "framework/core/WinConstants.h"

#include <QGuiApplication>

// Xlib's macros (Bool, None, Status) would clash with Qt's names: its headers come last.
#include <X11/XKBlib.h>

namespace
{

const char* IndicatorName(int nVirtKey)
{
	switch (nVirtKey)
	{
	case VK_CAPITAL:
		return "Caps Lock";
	case VK_NUMLOCK:
		return "Num Lock";
	case VK_SCROLL:
		return "Scroll Lock";
	default:
		return nullptr;
	}
}

}

bool IsLockKeyToggled(int nVirtKey)
{
	const char* pszIndicator = IndicatorName(nVirtKey);
	auto* pX11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
	Display* pDisplay = pX11 != nullptr ? pX11->display() : nullptr;
	if (pszIndicator == nullptr || pDisplay == nullptr)
	{
		return false;
	}
	const Atom atomIndicator = XInternAtom(pDisplay, pszIndicator, True);
	int bOn = 0;
	if (atomIndicator == 0
		|| !XkbGetNamedIndicator(pDisplay, atomIndicator, nullptr, &bOn, nullptr, nullptr))
	{
		return false;
	}
	return bOn != 0;
}
