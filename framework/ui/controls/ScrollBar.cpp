// CScrollBar's members, each one scroll-bar message.
#include "framework/ui/controls/ScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

CScrollBar::CScrollBar() = default;

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
	if (lpScrollInfo == nullptr)
	{
		return FALSE;
	}
	::SendMessage(m_hWnd, SBM_SETSCROLLINFO, static_cast<WPARAM>(bRedraw), reinterpret_cast<LPARAM>(lpScrollInfo));
	return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
	if (lpScrollInfo == nullptr)
	{
		return FALSE;
	}
	lpScrollInfo->cbSize = sizeof(SCROLLINFO);
	lpScrollInfo->fMask = nMask;
	return static_cast<BOOL>(::SendMessage(m_hWnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpScrollInfo)));
}

int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw)
{
	return static_cast<int>(::SendMessage(m_hWnd, SBM_SETPOS, static_cast<WPARAM>(nPos), static_cast<LPARAM>(bRedraw)));
}

int CScrollBar::GetScrollPos() const
{
	return static_cast<int>(::SendMessage(m_hWnd, SBM_GETPOS, 0, 0));
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw)
{
	::SendMessage(m_hWnd, bRedraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(nMinPos), nMaxPos);
}

void CScrollBar::GetScrollRange(int* lpMinPos, int* lpMaxPos) const
{
	::SendMessage(m_hWnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(lpMinPos), reinterpret_cast<LPARAM>(lpMaxPos));
}
