// What the cell-type tests share: a grid that records the events its cell types report, cells
// drawn into a memory bitmap, and the ink found there.
#pragma once

#include "framework/core/StringList.h"
#include "framework/ui/gdi/Font.h"
#include "grid/window/GridWindow.h"
#include "tests/framework_ui/gdi/MemorySurface.h"

#include <string>
#include <vector>

// One NotifyCellTypeEvent: the item list of event 100 joined with '|', the item of event 101, the
// parameter of any other event.
struct RecordedTypeEvent
{
	int m_nType;
	int m_nCol;
	long m_nRow;
	int m_nEvent;
	std::string m_strDetail;

	bool operator==(const RecordedTypeEvent& other) const
	{
		return m_nType == other.m_nType && m_nCol == other.m_nCol && m_nRow == other.m_nRow
			&& m_nEvent == other.m_nEvent && m_strDetail == other.m_strDetail;
	}
};

inline void PrintTo(const RecordedTypeEvent& event, std::ostream* os)
{
	*os << "{type " << event.m_nType << ", (" << event.m_nCol << ", " << event.m_nRow << "), event " << event.m_nEvent
		<< ", " << event.m_strDetail << "}";
}

class RecordingGrid : public GridWindow
{
public:
	int NotifyCellTypeEvent(int nTypeIndex, int nCol, long nRow, int nEvent, LPARAM lParam) override
	{
		std::string strDetail;
		if (nEvent == GRID_EVENT_LIST_SHOWING)
		{
			const CStringList* pItems = reinterpret_cast<const CStringList*>(lParam);
			for (POSITION pos = pItems->GetHeadPosition(); pos != nullptr;)
				strDetail += std::string(strDetail.empty() ? "" : "|") + static_cast<LPCSTR>(pItems->GetNext(pos));
		}
		else if (nEvent == GRID_EVENT_LIST_CHOSEN)
			strDetail = static_cast<LPCSTR>(*reinterpret_cast<const CString*>(lParam));
		else
			strDetail = std::to_string(lParam);
		m_events.push_back({ nTypeIndex, nCol, nRow, nEvent, strDetail });
		return m_nAnswer;
	}

	std::vector<RecordedTypeEvent> m_events;
	int m_nAnswer = 1;
};

// The 11-pixel sans face the grid tests draw their text in.
inline void CreateTestFont(CFont& font, int nHeight = -11)
{
	font.CreateFont(nHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
		DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
}

// The pixels of a surface read once, with the questions the tests ask about an area of them.
class SurfacePixels
{
public:
	SurfacePixels(const MemorySurface& surface, int nWidth)
		: m_pixels(surface.Snapshot()), m_nWidth(nWidth)
	{
	}

	COLORREF At(int x, int y) const
	{
		return m_pixels[static_cast<size_t>(y * m_nWidth + x)];
	}

	// The smallest rectangle of the area holding every pixel other than crBack; empty when none.
	CRect Ink(const CRect& area, COLORREF crBack) const
	{
		CRect ink(0, 0, 0, 0);
		for (int y = area.top; y < area.bottom; ++y)
		{
			for (int x = area.left; x < area.right; ++x)
			{
				if (At(x, y) == crBack)
					continue;
				const CRect pixel(x, y, x + 1, y + 1);
				if (ink.IsRectEmpty())
					ink = pixel;
				else
					ink.UnionRect(&ink, &pixel);
			}
		}
		return ink;
	}

	// Runs of neighbouring columns of the area that hold ink, as the dots of "..." make three.
	int InkColumnRuns(const CRect& area, COLORREF crBack) const
	{
		int nRuns = 0;
		bool bInRun = false;
		for (int x = area.left; x < area.right; ++x)
		{
			bool bInk = false;
			for (int y = area.top; y < area.bottom && !bInk; ++y)
				bInk = At(x, y) != crBack;
			nRuns += bInk && !bInRun ? 1 : 0;
			bInRun = bInk;
		}
		return nRuns;
	}

	// The number of pixels of crColor in column x of the area.
	int CountInColumn(int x, const CRect& area, COLORREF crColor) const
	{
		int nCount = 0;
		for (int y = area.top; y < area.bottom; ++y)
			nCount += At(x, y) == crColor ? 1 : 0;
		return nCount;
	}

private:
	std::vector<COLORREF> m_pixels;
	int m_nWidth;
};
