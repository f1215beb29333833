// The scope's picture as drawing commands: grid positions, grid and axes, and traces as lines,
// steps and bars, checked against the commands written out by hand.
#include "sigkit/scope/ScopeGeometry.h"
#include "sigkit/scope/ScopePaint.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace
{

// "gM0,15 gL40,15": pen (grid, trace, axis), move or line, point.
std::string Describe(const ScopeCommandList& commands)
{
	std::string text;
	for (const ScopeCommand& command : commands)
	{
		if (!text.empty())
			text += ' ';
		text += command.pen == ScopePen::Grid ? 'g' : command.pen == ScopePen::Trace ? 't' : 'a';
		text += command.draw == ScopeDraw::MoveTo ? 'M' : 'L';
		text += std::to_string(command.pt.x) + "," + std::to_string(command.pt.y);
	}
	return text;
}

// Traces stored the way the control keeps them: owned word arrays in two object arrays.
class TraceStore
{
public:
	~TraceStore()
	{
		for (int i = 0; i < m_aXPixels.GetSize(); i++)
		{
			delete m_aXPixels[i];
			delete m_aYPixels[i];
		}
	}

	void Add(std::initializer_list<std::pair<int, int>> points)
	{
		CWordArray* pColumns = new CWordArray;
		CWordArray* pRows = new CWordArray;
		for (const std::pair<int, int>& point : points)
		{
			pColumns->Add(ScopeStorePixel(point.first));
			pRows->Add(ScopeStorePixel(point.second));
		}
		m_aXPixels.Add(pColumns);
		m_aYPixels.Add(pRows);
	}

	const CWordArray& Columns(int nTrace) const
	{
		return *static_cast<const CWordArray*>(m_aXPixels[nTrace]);
	}

	const CWordArray& Rows(int nTrace) const
	{
		return *static_cast<const CWordArray*>(m_aYPixels[nTrace]);
	}

	CObArray m_aXPixels;
	CObArray m_aYPixels;
};

ScopePaintState State(int nXAxis, int nYAxis)
{
	ScopePaintState state{};
	state.rcClient = CRect(0, 0, 100, 50);
	state.nXAxis = nXAxis;
	state.nYAxis = nYAxis;
	state.nPlayMode = SCOPE_PLAY_LINE;
	return state;
}

std::string Polyline(std::initializer_list<std::pair<int, int>> points)
{
	TraceStore traces;
	traces.Add(points);
	ScopeCommandList commands;
	BuildPolylineCommands(traces.Columns(0), traces.Rows(0), CRect(0, 0, 100, 50), commands);
	return Describe(commands);
}

std::string Steps(std::initializer_list<std::pair<int, int>> points)
{
	TraceStore traces;
	traces.Add(points);
	ScopeCommandList commands;
	BuildStepCommands(traces.Columns(0), traces.Rows(0), CRect(0, 0, 100, 50), commands);
	return Describe(commands);
}

}

TEST(ScopePaintTest, GridPositionsRunFromTheAxisOutwardWithinTheRange)
{
	struct Case
	{
		int nAxis;
		int nStep;
		int nLow;
		int nHigh;
		std::vector<int> expected;
	};
	const Case cases[] =
	{
		{ 10, 10, 0, 40, { 10, 0, 20, 30, 40 } },
		{ 50, 20, 0, 100, { 50, 30, 10, 70, 90 } },
		{ 0, 25, 0, 50, { 0, 25, 50 } },
		{ -25, 10, 0, 50, { 5, 15, 25, 35, 45 } },
		{ 1000, 100, 0, 250, { 200, 100, 0 } },
		{ INT_MAX, 1, 0, 2, { 2, 1, 0 } },
		{ INT_MIN, 7, 0, 14, { 5, 12 } },
		{ 10, 0, 0, 40, {} },
		{ 10, -5, 0, 40, {} },
		{ 10, 5, 40, 0, {} },
	};
	for (const Case& c : cases)
		EXPECT_EQ(ScopeGridPositions(c.nAxis, c.nStep, c.nLow, c.nHigh), c.expected) << c.nAxis << " step " << c.nStep;
}

TEST(ScopePaintTest, GridLinesSpanTheClientRectangleAndTheAxesComeLastInRed)
{
	ScopePaintState state = State(15, 10);
	state.rcClient = CRect(0, 0, 40, 30);
	state.nYGrid = 10;
	ScopeCommandList commands;
	BuildGridCommands(state, commands);
	EXPECT_EQ(Describe(commands), "gM0,15 gL40,15 gM0,5 gL40,5 gM0,25 gL40,25");

	state.nXGrid = 20;
	state.bDisplayAxis = TRUE;
	commands.clear();
	BuildGridCommands(state, commands);
	EXPECT_EQ(Describe(commands),
		"gM10,0 gL10,30 gM30,0 gL30,30 "
		"gM0,15 gL40,15 gM0,5 gL40,5 gM0,25 gL40,25 "
		"aM0,15 aL40,15 aM10,0 aL10,30");
}

TEST(ScopePaintTest, APolylineClampsRowsAndJoinsVisiblePointsAcrossSkippedOnes)
{
	struct Case
	{
		std::initializer_list<std::pair<int, int>> points;
		const char* expected;
	};
	const Case cases[] =
	{
		{ { { -10, 20 }, { 5, 60 }, { 10, -5 }, { 200, 10 }, { 30, 10 } }, "tM5,50 tL10,0 tL30,10" },
		{ { { 0, 20 }, { 100, 20 }, { 101, 20 } }, "tM0,20 tL100,20" },
		{ { { 5, 5 } }, "tM5,5" },
		{ { { 5, 5 }, { 5, 5 }, { 6, 5 } }, "tM5,5 tL6,5" },
		{ { { -1, 5 }, { 101, 5 } }, "" },
		{ {}, "" },
	};
	for (const Case& c : cases)
		EXPECT_EQ(Polyline(c.points), c.expected);
}

TEST(ScopePaintTest, StepsTurnAtTheMidpointWhenTheRowChanges)
{
	struct Case
	{
		std::initializer_list<std::pair<int, int>> points;
		const char* expected;
	};
	const Case cases[] =
	{
		{ { { 0, 10 }, { 10, 10 }, { 20, 20 }, { 25, 0 } },
			"tM0,10 tL10,10 tL15,10 tL15,20 tL20,20 tL22,20 tL22,0 tL25,0" },
		// Going left, the half distance truncates toward zero: 20 + (-5) / 2 = 18.
		{ { { 20, 10 }, { 15, 20 } }, "tM20,10 tL18,10 tL18,20 tL15,20" },
		// Adjacent columns: the midpoint is the previous column, so the staircase is a jump.
		{ { { 7, 10 }, { 8, 30 } }, "tM7,10 tL7,30 tL8,30" },
		// The previous row is taken as stored, not clamped.
		{ { { 0, 80 }, { 10, 80 } }, "tM0,50 tL5,80 tL5,50 tL10,50" },
		// The previous point is the stored one before, even when it was skipped.
		{ { { 5, 10 }, { 200, 30 }, { 50, 30 } }, "tM5,10 tL50,30" },
		{ { { 5, 10 }, { 200, 20 }, { 50, 30 } }, "tM5,10 tL125,20 tL125,30 tL50,30" },
	};
	for (const Case& c : cases)
		EXPECT_EQ(Steps(c.points), c.expected);
}

TEST(ScopePaintTest, BarsRiseFromTheAxisWithGuideLinesExceptOnTheAxisColumn)
{
	TraceStore traces;
	traces.Add({ { 10, 5 }, { 30, 70 }, { 150, 5 }, { 40, 25 }, { -1, 5 } });
	ScopeCommandList commands;
	BuildBarCommands(traces.Columns(0), traces.Rows(0), State(25, 10), commands);
	EXPECT_EQ(Describe(commands),
		"tM10,25 tL10,5 "
		"gM30,0 gL30,25 gM30,50 gL30,26 tM30,25 tL30,50 "
		"gM40,0 gL40,25 gM40,50 gL40,26");
}

TEST(ScopePaintTest, ThePlayModeChoosesTheStyleAndOnlyTheDisplayedTracesArePainted)
{
	TraceStore traces;
	traces.Add({ { 0, 10 }, { 10, 20 } });
	traces.Add({ { 20, 10 }, { 30, 20 } });
	traces.Add({ { 40, 10 }, { 50, 20 } });
	struct Case
	{
		int nPlayMode;
		int nStart;
		int nEnd;
		const char* expected;
	};
	const Case cases[] =
	{
		{ 1, 0, 2, "tM0,10 tL10,20 tM20,10 tL30,20 tM40,10 tL50,20" },
		{ 7, 1, 1, "tM20,10 tL30,20" },
		{ 1, 1, 9, "tM20,10 tL30,20 tM40,10 tL50,20" },
		{ 1, 2, 1, "" },
		{ 3, 2, 2, "tM40,10 tL45,10 tL45,20 tL50,20" },
		{ 2, 2, 2, "gM40,0 gL40,25 gM40,50 gL40,26 tM40,25 tL40,10 gM50,0 gL50,25 gM50,50 gL50,26 tM50,25 tL50,20" },
	};
	for (const Case& c : cases)
	{
		ScopePaintState state = State(25, 0);
		state.nPlayMode = c.nPlayMode;
		state.nStartDisplay = c.nStart;
		state.nEndDisplay = c.nEnd;
		ScopeCommandList commands;
		BuildTraceCommands(traces.m_aXPixels, traces.m_aYPixels, state, commands);
		EXPECT_EQ(Describe(commands), c.expected) << "mode " << c.nPlayMode << " traces " << c.nStart << "-" << c.nEnd;
	}

	TraceStore none;
	ScopeCommandList commands;
	BuildTraceCommands(none.m_aXPixels, none.m_aYPixels, State(25, 0), commands);
	EXPECT_TRUE(commands.empty());
}
