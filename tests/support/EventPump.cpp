// The event pump of the window tests: a hidden window in a modal loop that ends itself.
#include "tests/support/EventPump.h"

#include "framework/ui/window/Wnd.h"

namespace
{

// Painting does not wake idle processing, so a short timer looks again between idle moments.
constexpr UINT_PTR LOOK_TIMER = 1;
constexpr UINT LOOK_MILLISECONDS = 5;
constexpr UINT_PTR GIVE_UP_TIMER = 2;
constexpr UINT GIVE_UP_MILLISECONDS = 10000;

class CPumpWindow : public CWnd
{
public:
	explicit CPumpWindow(const std::function<bool()>& fnDone)
		: m_fnDone(fnDone)
	{
	}

protected:
	afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
	{
		if (m_fnDone())
		{
			EndModalLoop(TRUE);
		}
		return FALSE;
	}

	afx_msg void OnTimer(UINT_PTR nIDEvent)
	{
		bool bDone = m_fnDone();
		if (bDone || nIDEvent == GIVE_UP_TIMER)
		{
			EndModalLoop(bDone ? TRUE : FALSE);
		}
	}

	const std::function<bool()>& m_fnDone;

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPumpWindow, CWnd)
	ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
	ON_WM_TIMER()
END_MESSAGE_MAP()

}

BOOL PumpUntil(const std::function<bool()>& fnDone)
{
	if (fnDone())
	{
		return TRUE;
	}
	CPumpWindow pump(fnDone);
	pump.CreateEx(0, nullptr, "pump", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
	pump.SetTimer(LOOK_TIMER, LOOK_MILLISECONDS, nullptr);
	pump.SetTimer(GIVE_UP_TIMER, GIVE_UP_MILLISECONDS, nullptr);
	BOOL bDone = pump.RunModalLoop(0);
	pump.DestroyWindow();
	return bDone && fnDone();
}
