// GridChild: what every child window of a grid keeps: the grid it serves and the sheet it shows.
#pragma once

class GridWindow;
class SheetSettings;

class GridChild
{
public:
	void SetGrid(GridWindow* pGrid, SheetSettings* pSheet)
	{
		m_pGrid = pGrid;
		m_pSheet = pSheet;
	}

protected:
	GridWindow* m_pGrid = nullptr;
	SheetSettings* m_pSheet = nullptr;
};
