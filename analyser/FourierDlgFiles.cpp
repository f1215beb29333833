// The analyser's files: opening a signal file (from the menu, the command line or a drop), and
// exporting the table as CSV and the signal in the text form.
#include "analyser/FourierDlg.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/core/Archive.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "framework/ui/services/FileDialog.h"
#include "framework/ui/window/DropFiles.h"
#include "framework/ui/window/ModalSeam.h"

#include <vector>

namespace
{
	const char OPEN_FILTER[] = "File di segnale (*.sig)|*.sig|Testo (*.txt)|*.txt|Tutti i file (*.*)|*.*||";
	const char TABLE_FILTER[] = "File CSV (*.csv)|*.csv|Tutti i file (*.*)|*.*||";
	const char TEXT_FILTER[] = "Testo (*.txt)|*.txt|Tutti i file (*.*)|*.*||";

	// The message names the file; the second line is the reason, when there is one.
	void TellFileProblem(UINT nIDFormat, const CString& strPath, const CString& strReason)
	{
		CString strFormat;
		strFormat.LoadString(nIDFormat);
		CString strText;
		strText.Format(strFormat, static_cast<LPCTSTR>(CFourierDlg::FileNameOf(strPath)));
		if (!strReason.IsEmpty())
			strText += "\n" + strReason;
		AfxMessageBox(strText, MB_OK | MB_ICONSTOP);
	}

	BOOL WriteText(const CString& strPath, const CString& strText)
	{
		CFile file;
		if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite))
			return FALSE;
		try
		{
			file.Write(static_cast<LPCTSTR>(strText), static_cast<UINT>(strText.GetLength()));
			file.Close();
			return TRUE;
		}
		catch (const CException&)
		{
			file.Abort();
			return FALSE;
		}
	}

	// The record in the text form as the analyser reads it: X values on a grid of carrier phases
	// (any step but the text form's 1.0) become seconds and the period becomes the record's
	// duration, so that the text opened again gives the same durations, frequencies and table.
	// The samples are copied: CSignal::Copy would lend the record's own arrays.
	void ToTextForm(const CSignal& source, double dDuration, CSignal& text)
	{
		const BOOL bPhases = source.m_dStepX != 1.0 && source.m_dStepX > 0.0 && source.m_nPoints > 0;
		const double dSecondsPerX = bPhases ? dDuration / (source.m_nPoints * source.m_dStepX) : 1.0;
		text.RedimXY(source.m_nPoints);
		for (UINT j = 0; j < source.m_nPoints; j++)
		{
			text.m_pX[j] = source.m_pX[j] * dSecondsPerX;
			text.m_pY[j] = source.m_pY[j];
		}
		text.m_dStepX = 1.0;
		text.m_dPeriod = dDuration;
	}

	BOOL WriteSignalText(CSignal& text, const CString& strPath)
	{
		CFile file;
		if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite))
			return FALSE;
		try
		{
			CArchive ar(&file, CArchive::store);
			text.SerializeTXT(ar);
			ar.Close();
			file.Close();
			return TRUE;
		}
		catch (const CException&)
		{
			file.Abort();
			return FALSE;
		}
	}
}

CString CFourierDlg::FileNameOf(const CString& strPath)
{
	return strPath.Mid(strPath.ReverseFind('/') + 1);
}

void CFourierDlg::OnFileOpen()
{
	CFileDialog dlgFile(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, OPEN_FILTER,
		this);
	if (dlgFile.DoModal() == IDOK)
		OpenSignalFile(dlgFile.GetPathName());
}

// The window shows one record: of several files dropped together, the first is opened. The drop
// is finished before, so the desktop's drag ends even while a message about the file is shown.
void CFourierDlg::OnDropFiles(HDROP hDropInfo)
{
	std::vector<char> path(DragQueryFile(hDropInfo, 0, nullptr, 0) + 1);
	const UINT nLength = DragQueryFile(hDropInfo, 0, path.data(), static_cast<UINT>(path.size()));
	DragFinish(hDropInfo);
	if (nLength > 0)
		OpenSignalFile(CString(path.data()));
}

BOOL CFourierDlg::OpenSignalFile(const CString& strPath)
{
	SignalForm form = SignalForm::Binary;
	CString strReason;
	if (!ReadSignalFile(strPath, m_signal, form, strReason))
	{
		TellFileProblem(IDS_READ_FAILED, strPath, strReason);
		return FALSE;
	}
	m_strPath = strPath;
	m_form = form;
	m_nHarmonics = DefaultHarmonicCount(m_signal);
	Analyse();
	return TRUE;
}

CString CFourierDlg::AskExportPath(LPCTSTR lpszFilter, LPCTSTR lpszExtension)
{
	// The open file's name with the export's extension, in its folder.
	const int nDot = m_strPath.ReverseFind('.');
	const CString strStem = nDot > m_strPath.ReverseFind('/') ? m_strPath.Left(nDot) : m_strPath;
	const CString strName = strStem + "." + lpszExtension;
	CFileDialog dlgFile(FALSE, lpszExtension, strName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
		lpszFilter, this);
	if (dlgFile.DoModal() != IDOK)
		return CString();
	return dlgFile.GetPathName();
}

void CFourierDlg::TellWriteFailed(const CString& strPath)
{
	TellFileProblem(IDS_WRITE_FAILED, strPath, CString());
}

void CFourierDlg::OnExportTable()
{
	if (!HasSignal())
		return;
	const CString strPath = AskExportPath(TABLE_FILTER, "csv");
	if (!strPath.IsEmpty() && !WriteText(strPath, HarmonicTableCsv(m_rows)))
		TellWriteFailed(strPath);
}

void CFourierDlg::OnExportSignal()
{
	if (!HasSignal())
		return;
	const CString strPath = AskExportPath(TEXT_FILTER, "txt");
	if (strPath.IsEmpty())
		return;
	CSignal text;
	ToTextForm(m_signal, m_summary.dDuration, text);
	if (!WriteSignalText(text, strPath))
		TellWriteFailed(strPath);
}
