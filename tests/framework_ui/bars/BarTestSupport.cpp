// The bar tests' image strip, resource module and recording parent window.
#include "tests/framework_ui/bars/BarTestSupport.h"

#include "framework/ui/testing/SurfaceAccess.h"

#include <cstring>
#include <cwchar>

namespace
{

void PutLittleEndian(std::vector<BYTE>& bytes, size_t nAt, DWORD nValue, int nBytes)
{
	for (int i = 0; i < nBytes; ++i)
	{
		bytes[nAt + i] = static_cast<BYTE>(nValue >> (8 * i));
	}
}

COLORREF StripPixel(int x, int y)
{
	const int nImage = x / 16;
	const int xIn = x % 16;
	if (xIn >= 2 + nImage && xIn < 5 + nImage && y >= 4 && y < 7)
	{
		return kBlack;
	}
	return xIn == 12 && y == 10 ? kWhite : kFace;
}

}

std::vector<BYTE> ToolBarStripFile(int nImages)
{
	const int cx = 16 * nImages;
	const int cy = 15;
	const int cbRow = (cx * 3 + 3) / 4 * 4;
	const size_t nOffBits = 14 + 40;
	std::vector<BYTE> file(nOffBits + static_cast<size_t>(cbRow) * cy, 0);
	file[0] = 'B';
	file[1] = 'M';
	PutLittleEndian(file, 2, static_cast<DWORD>(file.size()), 4);
	PutLittleEndian(file, 10, static_cast<DWORD>(nOffBits), 4);
	PutLittleEndian(file, 14, 40, 4);
	PutLittleEndian(file, 18, static_cast<DWORD>(cx), 4);
	PutLittleEndian(file, 22, static_cast<DWORD>(cy), 4);
	PutLittleEndian(file, 26, 1, 2);
	PutLittleEndian(file, 28, 24, 2);
	// Rows bottom-up, each pixel blue, green, red.
	for (int y = 0; y < cy; ++y)
	{
		BYTE* pRow = &file[nOffBits + static_cast<size_t>(cy - 1 - y) * cbRow];
		for (int x = 0; x < cx; ++x)
		{
			const COLORREF cr = StripPixel(x, y);
			pRow[3 * x] = GetBValue(cr);
			pRow[3 * x + 1] = GetGValue(cr);
			pRow[3 * x + 2] = GetRValue(cr);
		}
	}
	return file;
}

CBarResources::CBarResources(int nImages, std::vector<StringResource> strings, std::vector<ToolbarTemplate> toolbars)
	: m_file(ToolBarStripFile(nImages)), m_strings(std::move(strings)), m_toolbars(std::move(toolbars)),
	m_bitmap { kStripId, m_file.data(), m_file.size() },
	m_module("bar tests", TRUE, m_strings.data(), m_strings.size())
{
	m_module.SetBitmaps(&m_bitmap, 1);
	m_module.SetToolbars(m_toolbars.data(), m_toolbars.size());
	AfxAddResourceModule(&m_module);
}

CBarResources::~CBarResources()
{
	AfxRemoveResourceModule(&m_module);
}

BEGIN_MESSAGE_MAP(CBarOwner, CWnd)
	ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
	ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
	ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
	ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

CBarOwner::CBarOwner()
	: m_nAnswer(TipAnswer::Buffer), m_hWndBar(nullptr)
{
}

BOOL CBarOwner::CreatePopup(DWORD dwStyle)
{
	return CreateEx(0, nullptr, "bars", dwStyle, CRect(100, 100, 300, 200), nullptr, 0);
}

BOOL CBarOwner::OnCommand(WPARAM wParam, LPARAM lParam)
{
	m_log.push_back("command " + std::to_string(LOWORD(wParam)));
	return CWnd::OnCommand(wParam, lParam);
}

LRESULT CBarOwner::OnSetMessageString(WPARAM wParam, LPARAM)
{
	m_log.push_back("setmessage " + std::to_string(wParam));
	return 0;
}

LRESULT CBarOwner::OnPopMessageString(WPARAM wParam, LPARAM)
{
	m_log.push_back("popmessage " + std::to_string(wParam));
	return 0;
}

BOOL CBarOwner::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
	const bool bWide = pNMHDR->code == TTN_NEEDTEXTW;
	const UINT nID = static_cast<UINT>(pNMHDR->idFrom);
	m_log.push_back(std::string(bWide ? "needtextW " : "needtextA ") + std::to_string(nID)
		+ (pNMHDR->hwndFrom == m_hWndBar ? " from bar" : ""));
	*pResult = 0;
	if (bWide)
	{
		TOOLTIPTEXTW* pTTT = reinterpret_cast<TOOLTIPTEXTW*>(pNMHDR);
		auto it = m_wideTips.find(nID);
		if (m_nAnswer == TipAnswer::WideOnly && it != m_wideTips.end())
		{
			std::wcsncpy(pTTT->szText, it->second.c_str(), 79);
		}
		return TRUE;
	}
	TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
	auto it = m_tips.find(nID);
	switch (m_nAnswer)
	{
	case TipAnswer::Buffer:
		if (it != m_tips.end())
		{
			std::strncpy(pTTT->szText, it->second.c_str(), 79);
		}
		break;
	case TipAnswer::Pointer:
		if (it != m_tips.end())
		{
			m_strPointerAnswer = it->second;
			pTTT->lpszText = &m_strPointerAnswer[0];
		}
		break;
	case TipAnswer::StringId:
		pTTT->hinst = reinterpret_cast<HINSTANCE>(this);
		pTTT->lpszText = const_cast<LPSTR>(MAKEINTRESOURCE(nID));
		break;
	case TipAnswer::WideOnly:
		break;
	}
	return TRUE;
}

COLORREF PaintedPixel(CWnd* pWnd, int x, int y)
{
	pWnd->UpdateWindow();
	return GetSurfacePixel(pWnd, x, y);
}
