// A demonstration of sigkit's scope control and splash, for people to look at: the splash,
// then a dialog with a sampled sine as a polyline and a set of lines as bars.
#include "framework/core/GdiConstants.h"
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/window/WinApp.h"
#include "sigkit/frames/SpalshDlg.h"
#include "sigkit/scope/EditScope.h"
#include "tools/scopedemo/ScopeDemoResources.h"

#include <cmath>
#include <vector>

namespace
{
	constexpr int SAMPLES = 250;
	constexpr double STEP = 0.25132741232;

	class CScopeDemoDlg : public CDialog
	{
	public:
		CScopeDemoDlg() : CDialog(IDD_SCOPE_DEMO) {}

	protected:
		BOOL OnInitDialog() override
		{
			CDialog::OnInitDialog();
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
			return TRUE;
		}

	private:
		CEditScope m_line;
		CEditScope m_bars;
	};

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
