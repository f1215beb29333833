// The list a drop-list cell opens: a click on an item or Enter chooses it; Esc, Enter without a
// selection, a press outside it or the loss of the focus close it without a choice.
#include "grid/celltypes/DropListBox.h"

#include "framework/ui/window/UserServices.h"
#include "grid/celltypes/DropListCellType.h"

IMPLEMENT_DYNAMIC(DropListBox, CListBox)

namespace
{

// A list that loses the focus is destroyed once the focus change is over, never inside it.
constexpr UINT WM_DROPLIST_CLOSE_PENDING = WM_USER + 0x101;

}

BEGIN_MESSAGE_MAP(DropListBox, CListBox)
	ON_WM_SETFOCUS()
	ON_WM_KILLFOCUS()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_MOUSEMOVE()
	ON_WM_KEYDOWN()
	ON_WM_GETDLGCODE()
	ON_MESSAGE(WM_DROPLIST_CLOSE_PENDING, OnClosePending)
END_MESSAGE_MAP()

DropListBox::DropListBox()
	: m_pOwnerType(nullptr), m_bClosing(FALSE)
{
}

void DropListBox::SetOwnerType(DropListCellType* pType)
{
	m_pOwnerType = pType;
}

BOOL DropListBox::IsInside(CPoint point) const
{
	CRect rc;
	GetClientRect(&rc);
	return rc.PtInRect(point);
}

void DropListBox::CloseList()
{
	if (GetSafeHwnd() == nullptr)
		return;
	m_bClosing = TRUE;
	if (GetCapture() == this)
		ReleaseCapture();
	CWnd* pView = GetParent();
	if (pView != nullptr && GetFocus() == this)
		pView->SetFocus();
	DestroyWindow();
	m_bClosing = FALSE;
	if (m_pOwnerType != nullptr)
		m_pOwnerType->OnListClosed(FALSE);
}

void DropListBox::ChooseSelected()
{
	CString strItem;
	GetText(GetCurSel(), strItem);
	// The owner's notification may move the focus; that is no focus loss of the list.
	m_bClosing = TRUE;
	if (m_pOwnerType != nullptr)
		m_pOwnerType->OnListChosen(strItem);
	CloseList();
}

void DropListBox::OnSetFocus(CWnd* pOldWnd)
{
	CListBox::OnSetFocus(pOldWnd);
	// The press on the button that opened the list is still held: its release comes here.
	SetCapture();
}

void DropListBox::OnKillFocus(CWnd* pNewWnd)
{
	CListBox::OnKillFocus(pNewWnd);
	if (GetCapture() == this)
		ReleaseCapture();
	if (m_bClosing)
		return;
	m_bClosing = TRUE;
	ShowWindow(SW_HIDE);
	PostMessage(WM_DROPLIST_CLOSE_PENDING);
	if (m_pOwnerType != nullptr)
		m_pOwnerType->OnListClosed(TRUE);
}

LRESULT DropListBox::OnClosePending(WPARAM, LPARAM)
{
	// A list closed on purpose meanwhile, and perhaps opened again, is not this one.
	if (!m_bClosing)
		return 0;
	DestroyWindow();
	m_bClosing = FALSE;
	return 0;
}

void DropListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
	if (GetCapture() == this && !IsInside(point))
	{
		CloseList();
		return;
	}
	CListBox::OnLButtonDown(nFlags, point);
}

void DropListBox::OnLButtonUp(UINT nFlags, CPoint point)
{
	CListBox::OnLButtonUp(nFlags, point);
	if (GetCapture() == this)
		ReleaseCapture();
	BOOL bOutside = TRUE;
	const UINT nItem = ItemFromPoint(point, bOutside);
	if (bOutside)
		return;
	SetCurSel(static_cast<int>(nItem));
	ChooseSelected();
}

void DropListBox::OnMouseMove(UINT nFlags, CPoint point)
{
	CListBox::OnMouseMove(nFlags, point);
	// The press that opened the list may be dragged onto an item: the item follows the mouse.
	if (GetCapture() != this || (nFlags & MK_LBUTTON) == 0)
		return;
	BOOL bOutside = TRUE;
	const UINT nItem = ItemFromPoint(point, bOutside);
	if (!bOutside)
		SetCurSel(static_cast<int>(nItem));
}

void DropListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
	if (nChar == static_cast<UINT>(VK_ESCAPE))
		CloseList();
	else if (nChar == static_cast<UINT>(VK_RETURN))
	{
		if (GetCurSel() != LB_ERR)
			ChooseSelected();
		else
			CloseList();
	}
	else
		CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT DropListBox::OnGetDlgCode()
{
	return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}
