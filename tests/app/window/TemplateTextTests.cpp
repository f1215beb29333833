// Every text of the program's dialog templates fits its control on one line in the dialog font,
// as the templates were laid out.
#include "app/resources/AppDialogs.h"
#include "framework/core/ControlConstants.h"
#include "framework/core/DialogUnits.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	// Room a button keeps beside its text: the radio circle and its gap, or a push button's edges.
	constexpr int RADIO_INDICATOR = 16;
	constexpr int PUSH_EDGES = 6;

	bool IsText(const DialogItemTemplate& item)
	{
		const std::string strClass = item.lpszClass;
		// A control that is never shown has no room to keep.
		if ((item.dwStyle & WS_VISIBLE) == 0 || item.lpszText == nullptr || item.lpszText[0] == '\0' || item.lpszText[0] == '#')
			return false;
		return strClass == "STATIC" || (strClass == "BUTTON" && (item.dwStyle & 0x0F) != BS_GROUPBOX);
	}

	int RoomFor(const DialogItemTemplate& item, const CRect& rcControl)
	{
		const DWORD dwKind = item.dwStyle & 0x0F;
		if (std::string(item.lpszClass) != "BUTTON")
			return rcControl.Width();
		if (dwKind == BS_PUSHBUTTON || dwKind == BS_DEFPUSHBUTTON)
			return rcControl.Width() - PUSH_EDGES;
		return rcControl.Width() - RADIO_INDICATOR;
	}
}

TEST(TemplateText, EveryLabelAndButtonTextFitsOnOneLine)
{
	CDC dc;
	ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
	for (size_t nDialog = 0; nDialog < g_nAppDialogs; ++nDialog)
	{
		const DialogTemplate& dialog = g_appDialogs[nDialog];
		CFont font;
		ASSERT_TRUE(font.CreatePointFont(dialog.wPointSize * 10, dialog.lpszFontFace));
		CFont* pOld = dc.SelectObject(&font);
		for (UINT i = 0; i < dialog.nItems; ++i)
		{
			const DialogItemTemplate& item = dialog.pItems[i];
			if (!IsText(item))
				continue;
			SCOPED_TRACE(std::string(dialog.lpszCaption) + ": " + item.lpszText);
			const CRect rcControl = DialogUnitsToPixels(CRect(item.x, item.y, item.x + item.cx, item.y + item.cy));
			const CSize extent = dc.GetTextExtent(item.lpszText, -1);
			EXPECT_LE(extent.cx, RoomFor(item, rcControl));
			EXPECT_LE(extent.cy, rcControl.Height());
		}
		dc.SelectObject(pOld);
	}
}
