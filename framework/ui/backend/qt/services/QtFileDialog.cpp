// A QFileDialog in the place of the Windows open and save dialogs.
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"

#include <QFileDialog>
#include <QStringList>

namespace
{

// Qt reads the patterns from the parentheses at the end of a filter; "*.*" means every file.
QString QtFilter(const NativeFileFilter& filter)
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

// Qt's own dialog, not the desktop's, so it looks the same on every desktop.
bool CQtDriver::ShowFileDialog(HWND hOwner, NativeFileDialog& request)
{
	QFileDialog dialog(NativeWidget(hOwner), ToQString(request.strCaption));
	dialog.setOption(QFileDialog::DontUseNativeDialog);
	// The framework asks before overwriting, in the words of the Windows dialog.
	dialog.setOption(QFileDialog::DontConfirmOverwrite);
	dialog.setAcceptMode(request.bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
	dialog.setFileMode(request.bExistingOnly ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
	QStringList qtFilters;
	for (const NativeFileFilter& filter : request.filters)
	{
		qtFilters << QtFilter(filter);
	}
	if (!qtFilters.isEmpty())
	{
		dialog.setNameFilters(qtFilters);
		dialog.selectNameFilter(qtFilters[request.nFilter >= 0 && request.nFilter < qtFilters.size() ? request.nFilter : 0]);
	}
	if (!request.strFolder.IsEmpty())
	{
		dialog.setDirectory(ToQString(request.strFolder));
	}
	if (!request.strFile.IsEmpty())
	{
		dialog.selectFile(ToQString(request.strFile));
	}
	if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
	{
		return false;
	}
	request.strFile = FromQString(dialog.selectedFiles().first());
	request.nFilter = static_cast<int>(qtFilters.indexOf(dialog.selectedNameFilter()));
	return true;
}
