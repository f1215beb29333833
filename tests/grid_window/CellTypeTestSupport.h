// What the cell-type tests share: a grid that records the events its cell types report and the
// font cells are drawn in; the cells go into a memory surface from tests/support.
#pragma once

#include "framework/core/StringList.h"
#include "framework/ui/gdi/Font.h"
#include "grid/window/GridWindow.h"
#include "tests/support/Surfaces.h"

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
