// A demonstration of sigkit's scope control, splash and toolbar frame, for people to look at:
// the splash, then a frame with menu, toolbar and status bar around two scopes, a sampled signal
// as a polyline or steps and a set of lines as bars.
#include "framework/core/GdiConstants.h"
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/window/CmdUI.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/window/WinApp.h"
#include "sigkit/frames/SpalshDlg.h"
#include "sigkit/frames/TBDialog.h"
#include "sigkit/scope/EditScope.h"
#include "tools/scopedemo/ScopeDemoResources.h"

#include <cmath>
#include <vector>

namespace
{
	constexpr int SAMPLES = 250;
	constexpr double STEP = 0.25132741232;

	const UINT s_indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
	const UINT s_buttons[] = {ID_DEMO_EXIT, ID_SEPARATOR, ID_DEMO_LINE, ID_DEMO_STEPS, ID_SEPARATOR, ID_DEMO_AXES};

	class CScopeDemoDlg : public CTBDialog
	{
	public:
		CScopeDemoDlg() : CTBDialog(IDD_SCOPE_DEMO)
		{
			Set(s_indicators, 3, s_buttons, 6, IDB_SCOPE_DEMO_TOOLBAR);
		}

	protected:
		BOOL OnInitDialog() override
		{
			CTBDialog::OnInitDialog();
			m_line.SubclassDlgItem(IDC_SCOPE_LINE, this);
			m_bars.SubclassDlgItem(IDC_SCOPE_BARS, this);

			std::vector<double> x, y;
			double phase = 0.0;
			for (int i = 0; i < SAMPLES; i++)
			{
				x.push_back(phase);
				y.push_back((1.0 + 0.5 * std::cos(phase / 10.0)) * std::cos(phase));
				phase += STEP;
			}
			m_line.SetYScaleTo(1.5 * 2.2);
			m_line.SetXScaleTo(phase * 1.01);
			m_line.SetXType(1);
			m_line.SetYType(5);
			m_line.SetXGrid(2.0 * 3.141592654);
			m_line.SetYGrid(0.5);
			m_line.PlaySignal(x.data(), y.data(), SAMPLES);

			const double lineX[] = {20.0, 45.0, 50.0, 55.0, 80.0};
			const double lineY[] = {0.1, 0.25, 1.0, 0.25, 0.1};
			m_bars.SetYScaleTo(1.2);
			m_bars.SetXScaleTo(100.0);
			m_bars.SetXType(3);
			m_bars.SetYType(5);
			m_bars.SetXGrid(10.0);
			m_bars.SetYGrid(0.2);
			m_bars.SetPlayMode(2);
			m_bars.DisplayAxis(TRUE);
			m_bars.PlaySignal(const_cast<double*>(lineX), const_cast<double*>(lineY), 5);
			m_x.assign(x.begin(), x.end());
			m_y.assign(y.begin(), y.end());
			return TRUE;
		}

		void Replay(int nMode)
		{
			m_line.SetPlayMode(nMode);
			m_line.PlaySignal(m_x.data(), m_y.data(), int(m_x.size()));
			m_line.InvalidateRect(nullptr, TRUE);
		}

		afx_msg void OnExit() { EndDialog(IDOK); }
		afx_msg void OnLine() { Replay(1); }
		afx_msg void OnSteps() { Replay(3); }
		afx_msg void OnAxes()
		{
			m_line.DisplayAxis(!m_line.m_bDisplayAxis);
			m_line.InvalidateRect(nullptr, TRUE);
		}
		afx_msg void OnUpdateLine(CCmdUI* pCmdUI) { pCmdUI->SetRadio(m_line.m_nPlayMode == 1); }
		afx_msg void OnUpdateSteps(CCmdUI* pCmdUI) { pCmdUI->SetRadio(m_line.m_nPlayMode == 3); }
		afx_msg void OnUpdateAxes(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_line.m_bDisplayAxis); }

		DECLARE_MESSAGE_MAP()

	private:
		CEditScope m_line;
		CEditScope m_bars;
		std::vector<double> m_x, m_y;
	};

	BEGIN_MESSAGE_MAP(CScopeDemoDlg, CTBDialog)
		ON_COMMAND(ID_DEMO_EXIT, OnExit)
		ON_COMMAND(ID_DEMO_LINE, OnLine)
		ON_COMMAND(ID_DEMO_STEPS, OnSteps)
		ON_COMMAND(ID_DEMO_AXES, OnAxes)
		ON_UPDATE_COMMAND_UI(ID_DEMO_LINE, OnUpdateLine)
		ON_UPDATE_COMMAND_UI(ID_DEMO_STEPS, OnUpdateSteps)
		ON_UPDATE_COMMAND_UI(ID_DEMO_AXES, OnUpdateAxes)
	END_MESSAGE_MAP()

	// The splash picture, drawn here: the demonstration has no picture resource of its own.
	void DrawSplashPicture(CBitmap& bitmap)
	{
		const int width = 380;
		const int height = 320;
		CDC dc;
		dc.CreateCompatibleDC(nullptr);
		bitmap.CreateCompatibleBitmap(&dc, width, height);
		CBitmap* pOld = dc.SelectObject(&bitmap);
		CBrush background(RGB(0, 0, 0));
		CRect all(0, 0, width, height);
		dc.FillRect(&all, &background);

		CPen trace(PS_SOLID, 1, RGB(0, 255, 0));
		CPen* pOldPen = dc.SelectObject(&trace);
		for (int x = 0; x < width; x++)
		{
			const double t = x * 0.2;
			const int y = 200 - int(60.0 * (1.0 + 0.5 * std::cos(t / 8.0)) * std::cos(t) / 1.5);
			if (x == 0)
				dc.MoveTo(x, y);
			else
				dc.LineTo(x, y);
		}
		dc.SelectObject(pOldPen);

		CFont font;
		font.CreatePointFont(240, "Arial");
		CFont* pOldFont = dc.SelectObject(&font);
		dc.SetTextColor(RGB(0, 255, 0));
		dc.SetBkMode(TRANSPARENT);
		dc.TextOut(110, 40, CString("Ondivar"));
		dc.SelectObject(pOldFont);
		dc.SelectObject(pOld);
	}

	class CScopeDemoApp : public CWinApp
	{
	public:
		BOOL InitInstance() override
		{
			Enable3dControls();
			CSpalshDlg splash;
			DrawSplashPicture(splash.m_bitmap);
			splash.DoModal();

			CScopeDemoDlg dlg;
			m_pMainWnd = &dlg;
			dlg.DoModal();
			return FALSE;
		}
	};

	CScopeDemoApp s_app;
}

int main(int argc, char** argv)
{
	return AfxWinMain(argc, argv);
}
