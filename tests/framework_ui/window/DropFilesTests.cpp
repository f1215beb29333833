// Files dropped from the desktop: the drag goes through Qt to the window that takes files, nearest
// the point, which reads the drop with DragQueryFile and DragQueryPoint.
#include "framework/ui/controls/Edit.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/window/DropFiles.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class CDropRecorder : public CMessageRecorder
{
public:
	CDropRecorder(MessageLog& log, const char* pszName)
		: CMessageRecorder(log, pszName)
	{
	}

protected:
	// Writes down the paths, the point and, for the last path, what a copy into 8 bytes keeps.
	afx_msg void OnDropFiles(HDROP hDrop)
	{
		const UINT nFiles = DragQueryFile(hDrop, 0xFFFFFFFF, nullptr, 0);
		std::string strNote = std::to_string(nFiles) + ":";
		char szShort[8];
		UINT nShort = 0;
		for (UINT i = 0; i < nFiles; ++i)
		{
			std::vector<char> path(DragQueryFile(hDrop, i, nullptr, 0) + 1);
			const UINT nCopied = DragQueryFile(hDrop, i, path.data(), static_cast<UINT>(path.size()));
			strNote += " " + std::string(path.data(), nCopied);
			nShort = DragQueryFile(hDrop, i, szShort, sizeof(szShort));
		}
		POINT pt = {};
		const BOOL bInClient = DragQueryPoint(hDrop, &pt);
		strNote += " at " + std::to_string(pt.x) + "," + std::to_string(pt.y) + (bInClient ? "" : " outside");
		strNote += " cut " + std::string(szShort, nShort);
		DragFinish(hDrop);
		Note(strNote + " then " + std::to_string(DragQueryFile(hDrop, 0xFFFFFFFF, nullptr, 0)));
		CMessageRecorder::OnDropFiles(hDrop);
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDropRecorder, CMessageRecorder)
	ON_WM_DROPFILES()
END_MESSAGE_MAP()

// A top-level window that takes files from its creation, with a child that does not, a grandchild
// inside that one, a child that takes files itself, and an edit control, whose widget would take
// a drag of text for itself.
class DropFilesTest : public ::testing::Test
{
protected:
	DropFilesTest()
		: m_top(m_log, "top")
		, m_plain(m_log, "plain")
		, m_inner(m_log, "inner")
		, m_own(m_log, "own")
	{
		m_top.CreatePopup(CRect(200, 100, 500, 400), WS_POPUP | WS_VISIBLE, WS_EX_ACCEPTFILES);
		m_plain.CreateChild(&m_top, CRect(100, 10, 200, 110), 1);
		m_inner.CreateChild(&m_plain, CRect(20, 20, 60, 60), 2, WS_CHILD | WS_VISIBLE | WS_BORDER);
		m_own.CreateChild(&m_top, CRect(10, 150, 110, 250), 3);
		m_own.DragAcceptFiles();
		m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(150, 200, 250, 230), &m_top, 4);
	}

	// Drops the files and runs the loop until the posted WM_DROPFILES are handled: TRUE when the
	// program took the drop.
	BOOL Drop(CWnd* pWnd, CPoint ptClient, size_t nExpectedNotes)
	{
		const BOOL bTaken = AfxSendFileDrop(pWnd, m_paths, ptClient);
		EXPECT_TRUE(PumpUntil([this, nExpectedNotes] { return m_log.size() >= nExpectedNotes; }));
		return bTaken;
	}

	MessageLog m_log;
	CDropRecorder m_top;
	CDropRecorder m_plain;
	CDropRecorder m_inner;
	CDropRecorder m_own;
	CEdit m_edit;
	// "è" takes two bytes, the seventh and eighth of the second path.
	const std::vector<CString> m_paths { "/tmp/prova.sig", "/dati è/a b.txt" };
};

TEST_F(DropFilesTest, NearestWindowThatTakesFilesGetsThemWithThePointInItsClientArea)
{
	const struct
	{
		CWnd* pWnd;
		CPoint ptClient;
		const char* pszNote;
	} cases[] = {
		{ &m_top, CPoint(30, 40), "top 2: /tmp/prova.sig /dati è/a b.txt at 30,40 cut /dati  then 0" },
		{ &m_plain, CPoint(5, 6), "top 2: /tmp/prova.sig /dati è/a b.txt at 105,16 cut /dati  then 0" },
		// The grandchild's border lies outside its client area: 100 + 20 + 1 + 3.
		{ &m_inner, CPoint(3, 4), "top 2: /tmp/prova.sig /dati è/a b.txt at 124,35 cut /dati  then 0" },
		{ &m_own, CPoint(5, 6), "own 2: /tmp/prova.sig /dati è/a b.txt at 5,6 cut /dati  then 0" },
		{ &m_edit, CPoint(4, 5), "top 2: /tmp/prova.sig /dati è/a b.txt at 155,206 cut /dati  then 0" },
	};
	MessageLog expected;
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.pszNote);
		expected.push_back(c.pszNote);
		EXPECT_TRUE(Drop(c.pWnd, c.ptClient, expected.size()));
	}
	EXPECT_EQ(expected, m_log);
}

TEST_F(DropFilesTest, WindowThatStoppedTakingFilesGetsNone)
{
	m_top.DragAcceptFiles(FALSE);
	EXPECT_EQ(0u, m_top.GetExStyle() & WS_EX_ACCEPTFILES);
	EXPECT_FALSE(Drop(&m_top, CPoint(30, 40), 0));
	EXPECT_FALSE(Drop(&m_plain, CPoint(5, 6), 0));
	EXPECT_FALSE(Drop(&m_edit, CPoint(4, 5), 0));
	// The child that takes files still does; the loop has run past whatever the others were sent.
	EXPECT_TRUE(Drop(&m_own, CPoint(5, 6), 1));
	EXPECT_EQ((MessageLog { "own 2: /tmp/prova.sig /dati è/a b.txt at 5,6 cut /dati  then 0" }), m_log);
}

}
