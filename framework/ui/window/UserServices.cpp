// The standard cursors, the cursor shown over the program's windows and the pointer's position.
#include "framework/ui/window/UserServices.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/WindowInput.h"
#include "framework/ui/window/WindowRecord.h"

namespace
{

HCURSOR__ s_cursors[] = {
	{ 32512 },	// IDC_ARROW
	{ 32513 },	// IDC_IBEAM
	{ 32514 },	// IDC_WAIT
	{ 32515 },	// IDC_CROSS
	{ 32516 },	// IDC_UPARROW
	{ 32642 },	// IDC_SIZENWSE
	{ 32643 },	// IDC_SIZENESW
	{ 32644 },	// IDC_SIZEWE
	{ 32645 },	// IDC_SIZENS
	{ 32646 },	// IDC_SIZEALL
	{ 32648 },	// IDC_NO
	{ 32650 },	// IDC_APPSTARTING
	{ 32651 },	// IDC_HELP
};

HCURSOR s_hCurrentCursor = nullptr;

}

HCURSOR LoadCursor(HINSTANCE, LPCTSTR lpCursorName)
{
	if (!IS_INTRESOURCE(lpCursorName))
	{
		return nullptr;
	}
	const UINT nResourceID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpCursorName));
	for (HCURSOR__& cursor : s_cursors)
	{
		if (cursor.nResourceID == nResourceID)
		{
			return &cursor;
		}
	}
	return nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor)
{
	HCURSOR hOld = s_hCurrentCursor;
	s_hCurrentCursor = hCursor;
	CWindowRecord* pRecord = CaptureWindow() != nullptr ? CaptureWindow() : MouseWindow();
	if (pRecord != nullptr && pRecord->m_bNative)
	{
		AfxGetDriver().SetNativeCursor(pRecord->Handle(), hCursor);
	}
	return hOld;
}

BOOL GetCursorPos(LPPOINT lpPoint)
{
	const CPoint point = AfxGetDriver().CursorPosition();
	lpPoint->x = point.x;
	lpPoint->y = point.y;
	return TRUE;
}

BOOL ReleaseCapture()
{
	SetCaptureWindow(nullptr);
	return TRUE;
}
