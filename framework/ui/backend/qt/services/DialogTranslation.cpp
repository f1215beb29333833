// Qt's Italian translation for the dialogs Qt draws itself (file, print), installed once when the
// desktop has it (package qt6-translations-l10n; without it Qt's dialogs stay in English).
#include "framework/ui/backend/qt/QtDriver.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void CQtDriver::LoadDialogTranslation()
{
	static bool s_bTried = false;
	if (s_bTried || QCoreApplication::instance() == nullptr)
	{
		return;
	}
	s_bTried = true;
	// Dates and sizes in Qt's dialogs are written the Italian way too, whatever the desktop's
	// language; the framework's own numbers never go through QLocale.
	QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
	QTranslator* pTranslator = new QTranslator(QCoreApplication::instance());
	if (pTranslator->load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
	{
		QCoreApplication::installTranslator(pTranslator);
	}
	else
	{
		delete pTranslator;
	}
}
