// CSpalshDlg: picture, sizing to the picture and the timer that closes the splash.
#include "sigkit/frames/SpalshDlg.h"

#include "framework/ui/dialog/DataExchange.h"

#include <chrono>
#include <thread>

BEGIN_MESSAGE_MAP(CSpalshDlg, CDialog)
	ON_WM_DESTROY()
	ON_WM_TIMER()
END_MESSAGE_MAP()

CSpalshDlg::CSpalshDlg(UINT nIDBitmap, CWnd* pParent) : CDialog(IDD_SPLASH, pParent)
{
	if (nIDBitmap != 0)
		m_bitmap.LoadBitmap(nIDBitmap);
}

CSpalshDlg::~CSpalshDlg()
{
	m_bitmap.DeleteObject();
}

void CSpalshDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
	DDX_Control(pDX, IDC_SPLASH_BITMAP, m_stcBitmap);
}

// Without a picture the splash stays until the user closes it: no timer is started.
BOOL CSpalshDlg::OnInitDialog()
{
	CDialog::OnInitDialog();
	if (m_bitmap.GetSafeHandle() == nullptr)
		return TRUE;

	m_stcBitmap.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_bitmap.GetSafeHandle()));

	CRect rcWindow, rcClient, rcPicture;
	GetWindowRect(&rcWindow);
	GetClientRect(&rcClient);
	m_stcBitmap.GetWindowRect(&rcPicture);
	SetWindowPos(nullptr, 0, 0, rcWindow.Width() - rcClient.Width() + rcPicture.Width(),
		rcWindow.Height() - rcClient.Height() + rcPicture.Height(), SWP_NOMOVE | SWP_NOZORDER);

	SetTimer(SPLASH_TIMER_ID, SPLASH_DISPLAY_MS, nullptr);
	return TRUE;
}

void CSpalshDlg::OnTimer(UINT_PTR)
{
	KillTimer(SPLASH_TIMER_ID);
	EndDialog(IDCANCEL);
	EndWaitCursor();
	Default();
}

void CSpalshDlg::OnDestroy()
{
	CDialog::OnDestroy();
}

void CSpalshDlg::DoSplash(UINT nMilliseconds)
{
	if (GetSafeHwnd() == nullptr)
		return;
	ShowWindow(SW_SHOWNORMAL);
	UpdateWindow();
	std::this_thread::sleep_for(std::chrono::milliseconds(nMilliseconds));
	DestroyWindow();
}
