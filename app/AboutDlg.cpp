// The about box shows its template as it stands.
#include "app/AboutDlg.h"

#include "app/resources/AppResourceIds.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}
