// Helpers of the bar tests: a toolbar image strip held by a resource module, and a parent window
// that writes down what its bars send it and answers tooltip requests as told.
#pragma once

#include "framework/core/Resources.h"
#include "framework/ui/bars/BarTypes.h"
#include "framework/ui/window/Wnd.h"
#include "tests/support/Surfaces.h"

#include <map>
#include <string>
#include <vector>

constexpr UINT kStripId = 7101;
constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kShadow = RGB(128, 128, 128);

// A 24-bit .bmp file of nImages images of 16 x 15 side by side on the classic grey. Image i has
// a black 3 x 3 square with its top-left corner at (2 + i, 4) and a white pixel at (12, 10).
std::vector<BYTE> ToolBarStripFile(int nImages);

// A resource module holding the strip as bitmap kStripId, the given strings and toolbar
// resources, in the chain while the object lives.
class CBarResources
{
public:
	CBarResources(int nImages, std::vector<StringResource> strings = {}, std::vector<ToolbarTemplate> toolbars = {});
	~CBarResources();

	CBarResources(const CBarResources&) = delete;
	CBarResources& operator=(const CBarResources&) = delete;

private:
	std::vector<BYTE> m_file;
	std::vector<StringResource> m_strings;
	std::vector<ToolbarTemplate> m_toolbars;
	BinaryResource m_bitmap;
	CResourceModule m_module;
};

// How CBarOwner answers a tooltip request.
enum class TipAnswer
{
	Buffer,	// copies the text into szText
	Pointer,	// points lpszText at a string of its own
	StringId,	// lpszText = MAKEINTRESOURCE(the command id): the string of that id
	WideOnly,	// leaves 8-bit requests unanswered and copies m_wideTips into the wide szText
};

// A 200 x 100 popup (no border: client and window rectangles match) that logs, in order,
// "command <id>", "setmessage <id>", "popmessage <wParam>" and "needtextA <id>" / "needtextW <id>"
// (with " from bar" when hwndFrom is m_hWndBar).
class CBarOwner : public CWnd
{
public:
	CBarOwner();

	BOOL CreatePopup(DWORD dwStyle = WS_POPUP | WS_VISIBLE);

	std::vector<std::string> m_log;
	std::map<UINT, std::string> m_tips;
	std::map<UINT, std::wstring> m_wideTips;
	TipAnswer m_nAnswer;
	HWND m_hWndBar;

protected:
	BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
	afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
	afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

	DECLARE_MESSAGE_MAP()

private:
	std::string m_strPointerAnswer;
};

// The colour of a window's surface pixel after it has painted what is pending.
COLORREF PaintedPixel(CWnd* pWnd, int x, int y);
