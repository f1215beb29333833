// The mouse wheel goes to the window with the focus, wherever the pointer is, and what that
// window does not handle travels up to its parent.
#include "framework/ui/testing/UserDriving.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class CWheelRecorder : public CMessageRecorder
{
public:
	CWheelRecorder(MessageLog& log, const char* pszName, bool bHandles)
		: CMessageRecorder(log, pszName)
		, m_bHandles(bHandles)
	{
	}

protected:
	afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
	{
		Note(std::to_string(zDelta) + " flags " + std::to_string(nFlags) + " at " + std::to_string(pt.x) + ","
			+ std::to_string(pt.y));
		return m_bHandles ? TRUE : CMessageRecorder::OnMouseWheel(nFlags, zDelta, pt);
	}

	bool m_bHandles;

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWheelRecorder, CMessageRecorder)
	ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

TEST(MouseWheelTest, FocusWindowGetsTheWheelAndWhatItLeavesGoesToItsParent)
{
	MessageLog log;
	CWheelRecorder top(log, "top", true);
	ASSERT_TRUE(top.CreatePopup(CRect(200, 100, 500, 300)));
	CWheelRecorder handling(log, "handling", true);
	ASSERT_TRUE(handling.CreateChild(&top, CRect(0, 0, 100, 100), 1));
	CWheelRecorder passing(log, "passing", false);
	ASSERT_TRUE(passing.CreateChild(&top, CRect(100, 0, 200, 100), 2));
	CWheelRecorder under(log, "under", true);
	ASSERT_TRUE(under.CreateChild(&top, CRect(200, 0, 300, 100), 3));

	handling.SetFocus();
	ASSERT_TRUE(AfxSendMouseWheel(&under, 120, CPoint(10, 20)));
	passing.SetFocus();
	ASSERT_TRUE(AfxSendMouseWheel(&under, -240, CPoint(10, 20), MK_CONTROL));

	// The point is the pointer's on the screen: the top window's client area starts at 200,100.
	EXPECT_EQ((MessageLog { "handling 120 flags 0 at 410,120", "passing -240 flags 8 at 410,120",
				  "top -240 flags 8 at 410,120" }),
		log);
}

}
