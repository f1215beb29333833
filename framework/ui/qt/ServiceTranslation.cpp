// Qt's Italian translation for the dialogs Qt draws itself.
#include "framework/ui/qt/ServiceTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void LoadQtItalianTranslation()
{
	static bool s_bTried = false;
	if (s_bTried || QCoreApplication::instance() == nullptr)
	{
		return;
	}
	s_bTried = true;
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
