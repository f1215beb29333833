// Helpers of the window tests: a message log, plain test windows and an event pump that runs
// the framework's own modal loop until a condition holds.
#pragma once

#include "framework/ui/window/Wnd.h"
#include "tests/support/EventPump.h"

#include <functional>
#include <string>
#include <vector>

typedef std::vector<std::string> MessageLog;

// A top-level window of the framework's plain class, destroyed with the object.
class CTestWindow : public CWnd
{
public:
	BOOL CreatePopup(const CRect& rect, DWORD dwStyle = WS_POPUP | WS_VISIBLE, DWORD dwExStyle = 0,
		LPCTSTR lpszClass = nullptr)
	{
		return CreateEx(dwExStyle, lpszClass, "test", dwStyle, rect, nullptr, 0);
	}

	BOOL CreateChild(CWnd* pParent, const CRect& rect, UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
		DWORD dwExStyle = 0, LPCTSTR lpszClass = nullptr)
	{
		return CreateEx(dwExStyle, lpszClass, "", dwStyle, rect, pParent, nID);
	}
};
