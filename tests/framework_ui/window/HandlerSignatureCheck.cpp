// Compiled, not run, by CTest: with ONDIVAR_WRONG_HANDLER 0 the map compiles; with 1 (a missing
// parameter) or 2 (a wrong return type) the entry macro must reject the handler.
#include "framework/ui/window/Wnd.h"

class CSignatureWindow : public CWnd
{
protected:
#if ONDIVAR_WRONG_HANDLER == 1
	afx_msg void OnSize(UINT nType, int cx);
#else
	afx_msg void OnSize(UINT nType, int cx, int cy);
#endif
#if ONDIVAR_WRONG_HANDLER == 2
	afx_msg void OnEraseBkgnd(CDC* pDC);
#else
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
#endif

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSignatureWindow, CWnd)
	ON_WM_SIZE()
	ON_WM_ERASEBKGND()
END_MESSAGE_MAP()
