// Qt's Italian translation for the dialogs Qt draws itself.
#include "framework/ui/backend/qt/ServiceTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void LoadQtItalianTranslation()
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
