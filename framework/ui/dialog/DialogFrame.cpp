// The desktop frame of a top-level dialog: its styles, and for a modal dialog the modal mark.
#include "framework/ui/dialog/DialogFrame.h"

#include "framework/ui/window/WindowRecord.h"

void DialogApplyFrame(HWND hWnd, bool bModal)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr || pRecord->IsChildWindow() || !pRecord->m_bNative)
	{
		return;
	}
	pRecord->m_bModalFrame = bModal;
	pRecord->ApplyDesktopFrame();
	pRecord->ApplyGeometry();
}
