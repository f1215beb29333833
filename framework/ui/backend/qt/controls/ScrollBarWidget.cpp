// The SCROLLBAR class: a QScrollBar that keeps the Windows scroll information and, like the
// Windows control, does not move itself: it reports the user's actions to the parent with
// WM_HSCROLL or WM_VSCROLL, and the parent sets the new position.
#include "framework/core/ControlConstants.h"
#include "framework/ui/backend/qt/ControlSupport.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <QScrollBar>

#include <algorithm>

namespace
{

class CScrollBarWidget : public QScrollBar
{
public:
	CScrollBarWidget(Qt::Orientation orientation, QWidget* pParent)
		: QScrollBar(orientation, pParent)
		, m_info{ sizeof(SCROLLINFO), SIF_ALL, 0, 100, 0, 0, 0 }
		, m_bScrolled(false)
	{
	}

	SCROLLINFO m_info;
	// An action happened since the button went down: its release ends the scrolling.
	bool m_bScrolled;
};

int MaxPosition(const SCROLLINFO& info)
{
	return std::max(info.nMin, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0));
}

void ShowInfo(CScrollBarWidget* pBar)
{
	const SCROLLINFO& info = pBar->m_info;
	pBar->blockSignals(true);
	pBar->setRange(info.nMin, MaxPosition(info));
	pBar->setPageStep(std::max(static_cast<int>(info.nPage), 1));
	pBar->setValue(info.nPos);
	pBar->blockSignals(false);
}

void SendScroll(HWND hWnd, UINT nCode, int nPos)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr || pHost->m_pParent == nullptr)
	{
		return;
	}
	const UINT message = (pHost->m_dwStyle & SBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
	pHost->m_pParent->Send(message, MAKEWPARAM(static_cast<WORD>(nCode), static_cast<WORD>(nPos)),
		reinterpret_cast<LPARAM>(hWnd));
}

void ActionTriggered(HWND hWnd, int nAction)
{
	CScrollBarWidget* pBar = ControlWidget<CScrollBarWidget>(hWnd);
	if (pBar == nullptr)
	{
		return;
	}
	UINT nCode = SB_ENDSCROLL;
	switch (nAction)
	{
	case QAbstractSlider::SliderSingleStepAdd:
		nCode = SB_LINEDOWN;
		break;
	case QAbstractSlider::SliderSingleStepSub:
		nCode = SB_LINEUP;
		break;
	case QAbstractSlider::SliderPageStepAdd:
		nCode = SB_PAGEDOWN;
		break;
	case QAbstractSlider::SliderPageStepSub:
		nCode = SB_PAGEUP;
		break;
	case QAbstractSlider::SliderToMinimum:
		nCode = SB_TOP;
		break;
	case QAbstractSlider::SliderToMaximum:
		nCode = SB_BOTTOM;
		break;
	case QAbstractSlider::SliderMove:
		// The thumb follows the mouse while it is dragged, as on Windows.
		pBar->m_info.nTrackPos = pBar->sliderPosition();
		pBar->m_bScrolled = true;
		SendScroll(hWnd, SB_THUMBTRACK, pBar->m_info.nTrackPos);
		return;
	default:
		return;
	}
	pBar->setSliderPosition(pBar->m_info.nPos);
	pBar->m_bScrolled = true;
	SendScroll(hWnd, nCode, 0);
}

void ThumbReleased(HWND hWnd)
{
	CScrollBarWidget* pBar = ControlWidget<CScrollBarWidget>(hWnd);
	if (pBar == nullptr)
	{
		return;
	}
	pBar->m_bScrolled = false;
	SendScroll(hWnd, SB_THUMBPOSITION, pBar->m_info.nTrackPos);
	SendScroll(hWnd, SB_ENDSCROLL, 0);
	if ((pBar = ControlWidget<CScrollBarWidget>(hWnd)) != nullptr)
	{
		// The thumb goes back to the position the parent set, wherever it was dropped.
		ShowInfo(pBar);
	}
}

}

QWidget* CreateScrollBarWidget(HWND hWnd, const NativeWindowSpec& spec, QWidget* pParent)
{
	CScrollBarWidget* pBar = new CScrollBarWidget((spec.dwStyle & SBS_VERT) != 0 ? Qt::Vertical : Qt::Horizontal,
		pParent);
	// A right click on a bar is the program's (a grid opens its own menu there); the toolkit's
	// scrolling menu would come up on top of it, in its own words.
	pBar->setContextMenuPolicy(Qt::NoContextMenu);
	ShowInfo(pBar);
	QObject::connect(pBar, &QAbstractSlider::actionTriggered, pBar, [hWnd](int nAction) { ActionTriggered(hWnd, nAction); });
	QObject::connect(pBar, &QAbstractSlider::sliderReleased, pBar, [hWnd] { ThumbReleased(hWnd); });
	return pBar;
}

namespace
{

LRESULT SetInfo(CScrollBarWidget* pBar, const SCROLLINFO* pInfo)
{
	SCROLLINFO& info = pBar->m_info;
	if (pInfo == nullptr)
	{
		return info.nPos;
	}
	if ((pInfo->fMask & SIF_RANGE) != 0)
	{
		info.nMin = pInfo->nMin;
		info.nMax = pInfo->nMax;
	}
	if ((pInfo->fMask & SIF_PAGE) != 0)
	{
		info.nPage = pInfo->nPage;
	}
	if ((pInfo->fMask & SIF_POS) != 0)
	{
		info.nPos = pInfo->nPos;
	}
	// Windows keeps the page within the range and the position where the page still fits.
	const UINT nRange = static_cast<UINT>(std::max(info.nMax - info.nMin + 1, 0));
	info.nPage = std::min(info.nPage, nRange);
	info.nPos = std::clamp(info.nPos, info.nMin, MaxPosition(info));
	ShowInfo(pBar);
	return info.nPos;
}

LRESULT GetInfo(CScrollBarWidget* pBar, SCROLLINFO* pInfo)
{
	if (pInfo == nullptr)
	{
		return FALSE;
	}
	const SCROLLINFO& info = pBar->m_info;
	if ((pInfo->fMask & SIF_RANGE) != 0)
	{
		pInfo->nMin = info.nMin;
		pInfo->nMax = info.nMax;
	}
	if ((pInfo->fMask & SIF_PAGE) != 0)
	{
		pInfo->nPage = info.nPage;
	}
	if ((pInfo->fMask & SIF_POS) != 0)
	{
		pInfo->nPos = info.nPos;
	}
	if ((pInfo->fMask & SIF_TRACKPOS) != 0)
	{
		pInfo->nTrackPos = pBar->isSliderDown() ? info.nTrackPos : info.nPos;
	}
	return TRUE;
}

LRESULT ScrollBarWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CScrollBarWidget* pBar = ControlWidget<CScrollBarWidget>(hWnd);
	if (pBar == nullptr)
	{
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
	SCROLLINFO info = { sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0 };
	switch (message)
	{
	case SBM_SETSCROLLINFO:
		return SetInfo(pBar, reinterpret_cast<const SCROLLINFO*>(lParam));
	case SBM_GETSCROLLINFO:
		return GetInfo(pBar, reinterpret_cast<SCROLLINFO*>(lParam));
	case SBM_SETPOS:
	{
		const int nOld = pBar->m_info.nPos;
		info.fMask = SIF_POS;
		info.nPos = static_cast<int>(wParam);
		SetInfo(pBar, &info);
		return nOld;
	}
	case SBM_GETPOS:
		return pBar->m_info.nPos;
	case SBM_SETRANGE:
	case SBM_SETRANGEREDRAW:
	{
		const int nOld = pBar->m_info.nPos;
		info.fMask = SIF_RANGE;
		info.nMin = static_cast<int>(wParam);
		info.nMax = static_cast<int>(lParam);
		SetInfo(pBar, &info);
		return nOld;
	}
	case SBM_GETRANGE:
		if (wParam != 0)
		{
			*reinterpret_cast<int*>(wParam) = pBar->m_info.nMin;
		}
		if (lParam != 0)
		{
			*reinterpret_cast<int*>(lParam) = pBar->m_info.nMax;
		}
		return 0;
	case WM_LBUTTONUP:
		// A dragged thumb ends its scrolling when the widget reports the release.
		if (pBar->m_bScrolled && !pBar->isSliderDown())
		{
			pBar->m_bScrolled = false;
			SendScroll(hWnd, SB_ENDSCROLL, 0);
		}
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	default:
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	}
}

}

void RegisterScrollBarClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = ScrollBarWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
	wc.lpszClassName = "SCROLLBAR";
	RegisterWindowClass(wc, NativeKind::ScrollBar, TRUE);
}
