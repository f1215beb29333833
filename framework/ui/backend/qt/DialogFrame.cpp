// The desktop frame of a top-level dialog: its styles, and for a modal dialog the modal mark.
#include "framework/ui/backend/qt/DialogFrame.h"

#include "framework/ui/backend/qt/WindowFrame.h"
#include "framework/ui/backend/qt/WindowHost.h"

void DialogApplyFrame(HWND hWnd, bool bModal)
{
	CWindowHost* pHost = CWindowHost::FromHandle(hWnd);
	if (pHost == nullptr || pHost->IsChildWindow() || pHost->m_pWidget == nullptr)
	{
		return;
	}
	pHost->m_bModalFrame = bModal;
	ApplyDesktopFrame(*pHost);
	pHost->ApplyGeometryToWidget();
}
