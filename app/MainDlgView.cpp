// Looking at the scopes: the scales, the same vertical scale, zooming and panning the time axis
// shared by the three, the two cursors, the readout under the pointer and the keyboard
// shortcuts of the window's commands.
#include "app/MainDlg.h"

#include "app/resources/AppResourceIds.h"
#include "framework/core/BarConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/window/CmdUI.h"
#include "framework/ui/window/UserServices.h"
#include "sigkit/frames/Shortcuts.h"
#include "sigkit/resources/SigkitResourceIds.h"

#include <cmath>
#include <cstdlib>

namespace
{
	const FrameShortcut s_shortcuts[] = {
		{'S', FALSE, ID_FILE_SAVE_SIGNAL},
		{'S', TRUE, ID_FILE_SAVE_SIGNAL_AS},
		{'P', FALSE, ID_FILE_PRINT_SCOPES},
		{'Q', FALSE, IDOK},
		{'C', FALSE, ID_EDIT_COPY_PICTURE},
		{'0', FALSE, ID_VIEW_WHOLE},
		// '+' needs Shift on some keyboards, not on others.
		{VK_OEM_PLUS, FALSE, ID_VIEW_ZOOM_IN},
		{VK_OEM_PLUS, TRUE, ID_VIEW_ZOOM_IN},
		{VK_ADD, FALSE, ID_VIEW_ZOOM_IN},
		{VK_OEM_MINUS, FALSE, ID_VIEW_ZOOM_OUT},
		{VK_SUBTRACT, FALSE, ID_VIEW_ZOOM_OUT},
	};

	// A key press halves or doubles the time shown; a wheel notch is a gentler step.
	constexpr double KEY_ZOOM = 0.5;
	constexpr double NOTCH_ZOOM = 0.8;
	constexpr int WHEEL_NOTCH = 120;
	// How far the pointer moves with the button down before a press becomes a drag.
	constexpr int DRAG_THRESHOLD = 3;
}

BOOL CMainDlg::PreTranslateMessage(MSG* pMsg)
{
	if (SendFrameShortcut(this, pMsg, s_shortcuts, sizeof s_shortcuts / sizeof s_shortcuts[0]))
		return TRUE;
	// Escape takes the cursors away first; without them it closes the window as always.
	if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && m_scopes.HasCursors())
	{
		OnViewClearCursors();
		return TRUE;
	}
	return CTBDialog::PreTranslateMessage(pMsg);
}

void CMainDlg::OnViewScales()
{
	m_scopes.SetCalibrated(!m_scopes.IsCalibrated());
	ShowReadout(nullptr, CPoint());
}

void CMainDlg::OnUpdateViewScales(CCmdUI* pCmdUI)
{
	pCmdUI->SetCheck(m_scopes.IsCalibrated() ? 1 : 0);
}

void CMainDlg::OnViewSameScale()
{
	m_scopes.SetSameVerticalScale(!m_scopes.IsSameVerticalScale());
}

void CMainDlg::OnUpdateViewSameScale(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(m_scopes.IsCalibrated());
	pCmdUI->SetCheck(m_scopes.IsSameVerticalScale() ? 1 : 0);
}

void CMainDlg::OnViewWhole()
{
	m_scopes.ShowWhole();
}

void CMainDlg::OnViewZoomIn()
{
	m_scopes.ZoomAboutCentre(KEY_ZOOM);
}

void CMainDlg::OnViewZoomOut()
{
	m_scopes.ZoomAboutCentre(1.0 / KEY_ZOOM);
}

void CMainDlg::OnViewClearCursors()
{
	m_scopes.ClearCursors();
	ShowReadout(nullptr, CPoint());
}

void CMainDlg::OnUpdateViewClearCursors(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(m_scopes.HasCursors());
}

CCalibratedScope* CMainDlg::ScopeUnder(CPoint ptClient, CPoint& ptScope)
{
	CCalibratedScope* pScope = m_scopes.ScopeAt(this, ptClient);
	if (pScope != nullptr)
	{
		ptScope = ptClient;
		ClientToScreen(&ptScope);
		pScope->ScreenToClient(&ptScope);
	}
	return pScope;
}

void CMainDlg::ShowReadout(CCalibratedScope* pScope, CPoint ptScope)
{
	if (m_wndStatusBar.GetSafeHwnd() == nullptr)
		return;
	CString strText;
	if (pScope != nullptr && pScope->IsCalibrated())
		strText = m_scopes.HoverText(pScope, ptScope);
	if (m_scopes.HasCursors())
	{
		const CString strCursors = m_scopes.CursorText();
		strText = strText.IsEmpty() ? strCursors : strText + "   |   " + strCursors;
	}
	if (strText.IsEmpty())
		SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
	else
		m_wndStatusBar.SetPaneText(0, strText);
}

void CMainDlg::OnMouseMove(UINT nFlags, CPoint point)
{
	CTBDialog::OnMouseMove(nFlags, point);
	if (m_pPressedScope != nullptr && GetCapture() == this)
	{
		if (!m_bDragging && (std::abs(point.x - m_ptPressed.x) > DRAG_THRESHOLD
			|| std::abs(point.y - m_ptPressed.y) > DRAG_THRESHOLD))
			m_bDragging = TRUE;
		if (m_bDragging && point.x != m_ptDragLast.x)
		{
			m_scopes.PanByPixels(m_pPressedScope, point.x - m_ptDragLast.x);
			m_ptDragLast = point;
		}
	}
	CPoint ptScope;
	CCalibratedScope* pScope = ScopeUnder(point, ptScope);
	ShowReadout(pScope, ptScope);
}

void CMainDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
	CTBDialog::OnLButtonDown(nFlags, point);
	CPoint ptScope;
	CCalibratedScope* pScope = ScopeUnder(point, ptScope);
	if (pScope == nullptr || !pScope->IsCalibrated())
		return;
	m_pPressedScope = pScope;
	m_ptPressed = point;
	m_ptDragLast = point;
	m_bDragging = FALSE;
	SetCapture();
}

void CMainDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
	CTBDialog::OnLButtonUp(nFlags, point);
	CCalibratedScope* pScope = m_pPressedScope;
	const BOOL bClick = pScope != nullptr && !m_bDragging;
	m_pPressedScope = nullptr;
	if (GetCapture() == this)
		ReleaseCapture();
	if (!bClick)
		return;
	CPoint ptScope = point;
	ClientToScreen(&ptScope);
	pScope->ScreenToClient(&ptScope);
	if (m_scopes.PlaceCursor(pScope, ptScope, (nFlags & MK_SHIFT) != 0))
		ShowReadout(pScope, ptScope);
}

void CMainDlg::OnLButtonDblClk(UINT nFlags, CPoint point)
{
	CTBDialog::OnLButtonDblClk(nFlags, point);
	CPoint ptScope;
	CCalibratedScope* pScope = ScopeUnder(point, ptScope);
	if (pScope != nullptr && pScope->IsCalibrated())
		m_scopes.ShowWhole();
}

BOOL CMainDlg::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
	CPoint ptClient = pt;
	ScreenToClient(&ptClient);
	CPoint ptScope;
	CCalibratedScope* pScope = ScopeUnder(ptClient, ptScope);
	if (pScope == nullptr || !pScope->IsCalibrated() || zDelta == 0)
		return CTBDialog::OnMouseWheel(nFlags, zDelta, pt);
	// Away from the user zooms in, as in the common plotting programs.
	m_scopes.ZoomAt(pScope, ptScope, std::pow(NOTCH_ZOOM, static_cast<double>(zDelta) / WHEEL_NOTCH));
	ShowReadout(pScope, ptScope);
	return TRUE;
}

void CMainDlg::OnCaptureChanged(CWnd* pWnd)
{
	if (pWnd != this)
	{
		m_pPressedScope = nullptr;
		m_bDragging = FALSE;
	}
	CTBDialog::OnCaptureChanged(pWnd);
}
