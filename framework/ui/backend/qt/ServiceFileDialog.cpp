// A QFileDialog in the place of the Windows open and save dialogs.
#include "framework/ui/backend/qt/ServiceFileDialog.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/QtModalOwner.h"
#include "framework/ui/window/Wnd.h"

#include <QFileDialog>
#include <QStringList>

#include <cstring>

namespace
{

QString ToQString(const CString& str)
{
	return QString::fromUtf8(static_cast<LPCTSTR>(str));
}

// Qt reads the patterns from the parentheses at the end of a filter; "*.*" means every file.
QString QtFilter(const FileFilter& filter)
{
	QString strCaption = ToQString(filter.strCaption);
	int nParen = strCaption.lastIndexOf('(');
	if (nParen > 0 && strCaption.endsWith(')'))
	{
		strCaption = strCaption.left(nParen).trimmed();
	}
	QStringList patterns;
	for (const CString& strPattern : filter.patterns)
	{
		patterns << (strPattern == "*.*" ? QString("*") : ToQString(strPattern));
	}
	return strCaption + " (" + patterns.join(' ') + ")";
}

}

INT_PTR ShowQtFileDialog(CWnd* pOwner, const CString& strCaption, BOOL bOpen, OPENFILENAME& ofn,
	const std::vector<FileFilter>& filters)
{
	CQtModalOwner owner(pOwner);
	QFileDialog dialog(owner.Widget(), ToQString(strCaption));
	dialog.setOption(QFileDialog::DontUseNativeDialog);
	// The framework asks before overwriting, in the words of the Windows dialog.
	dialog.setOption(QFileDialog::DontConfirmOverwrite);
	dialog.setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
	dialog.setFileMode(bOpen && (ofn.Flags & OFN_FILEMUSTEXIST) != 0 ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
	QStringList qtFilters;
	for (const FileFilter& filter : filters)
	{
		qtFilters << QtFilter(filter);
	}
	if (!qtFilters.isEmpty())
	{
		dialog.setNameFilters(qtFilters);
		int nIndex = ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= static_cast<DWORD>(qtFilters.size()) ? ofn.nFilterIndex - 1 : 0;
		dialog.selectNameFilter(qtFilters[nIndex]);
	}
	if (ofn.lpstrInitialDir != nullptr && ofn.lpstrInitialDir[0] != '\0')
	{
		dialog.setDirectory(QString::fromUtf8(ofn.lpstrInitialDir));
	}
	if (ofn.lpstrFile != nullptr && ofn.lpstrFile[0] != '\0')
	{
		dialog.selectFile(QString::fromUtf8(ofn.lpstrFile));
	}
	int nQtResult = dialog.exec();
	if (nQtResult != QDialog::Accepted || dialog.selectedFiles().isEmpty())
	{
		return IDCANCEL;
	}
	QByteArray path = dialog.selectedFiles().first().toUtf8();
	if (path.size() >= static_cast<int>(ofn.nMaxFile))
	{
		return IDCANCEL;
	}
	std::strcpy(ofn.lpstrFile, path.constData());
	int nFilter = qtFilters.indexOf(dialog.selectedNameFilter());
	ofn.nFilterIndex = nFilter >= 0 ? nFilter + 1 : ofn.nFilterIndex;
	return IDOK;
}
