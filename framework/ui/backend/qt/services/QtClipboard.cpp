// The desktop's clipboard through Qt's: the text as text/plain and the picture as an image, which
// Qt offers as image/png among others.
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/backend/qt/gdi/QtGdi.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void CQtDriver::SetClipboardContents(const ClipboardContents& contents)
{
	QMimeData* pData = new QMimeData;
	if (contents.bText)
	{
		pData->setText(ToQString(contents.strText));
	}
	if (contents.bImage)
	{
		pData->setImageData(GdiWrapImage(contents.image).copy());
	}
	// The clipboard takes the data; emptied, it holds none.
	QGuiApplication::clipboard()->setMimeData(pData);
}
