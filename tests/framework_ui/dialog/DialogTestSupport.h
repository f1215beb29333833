// Helper of the dialog and control tests: a plain window that records notifications.
#pragma once

#include "framework/ui/window/Wnd.h"

#include <string>
#include <vector>

// A top-level window that writes down the control notifications it receives.
class CNotifiedWindow : public CWnd
{
public:
	BOOL CreatePopup()
	{
		return CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(50, 50, 450, 350), nullptr, 0);
	}

	// "id:code" for each WM_COMMAND, in order.
	std::vector<std::string> m_notifications;

protected:
	BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
	{
		m_notifications.push_back(std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
		return CWnd::OnCommand(wParam, lParam);
	}
};
