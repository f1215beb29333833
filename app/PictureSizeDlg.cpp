// The picture size dialog and its bounds.
#include "app/PictureSizeDlg.h"

#include "app/resources/AppResourceIds.h"
#include "framework/ui/dialog/DataExchange.h"
#include "framework/ui/window/ModalSeam.h"

namespace
{
	// Beyond this a picture takes hundreds of megabytes and few viewers open it.
	constexpr int LARGEST_SIDE = 10000;
}

CPictureSizeDlg::CPictureSizeDlg(const CSize& sizeWindow, CWnd* pParent)
	: CDialog(IDD_PICTURE_SIZE, pParent), m_nWidth(sizeWindow.cx), m_nHeight(sizeWindow.cy), m_sizeWindow(sizeWindow)
{
}

BOOL CPictureSizeDlg::OnInitDialog()
{
	CDialog::OnInitDialog();
	CString strFormat;
	strFormat.LoadString(IDS_PICTURE_PROMPT);
	CString strPrompt;
	strPrompt.Format(strFormat, static_cast<int>(m_sizeWindow.cx), static_cast<int>(m_sizeWindow.cy));
	SetDlgItemText(IDC_PICTURE_PROMPT, strPrompt);
	return TRUE;
}

void CPictureSizeDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
	DDX_Text(pDX, IDC_PICTURE_WIDTH, m_nWidth);
	DDX_Text(pDX, IDC_PICTURE_HEIGHT, m_nHeight);
	if (pDX->m_bSaveAndValidate && (m_nWidth < m_sizeWindow.cx || m_nHeight < m_sizeWindow.cy
		|| m_nWidth > LARGEST_SIDE || m_nHeight > LARGEST_SIDE))
	{
		CString strFormat;
		strFormat.LoadString(IDS_BAD_PICTURE_SIZE);
		CString strMessage;
		strMessage.Format(strFormat, static_cast<int>(m_sizeWindow.cx), static_cast<int>(m_sizeWindow.cy), LARGEST_SIDE,
			LARGEST_SIDE);
		AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
		pDX->Fail();
	}
}
