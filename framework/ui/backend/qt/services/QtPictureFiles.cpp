// Picture files on Qt: PNG through QImage's writer, SVG through a QSvgGenerator on the file that a
// DC draws on as on any device.
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtPaintDevice.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/backend/qt/gdi/QtGdi.h"

#include <QFile>
#include <QPainter>
#include <QSvgGenerator>

namespace
{

// Windows' screen resolution, so that the picture's sizes in pixels read the same in any viewer.
constexpr int kPixelsPerInch = 96;

class CQtSvgFile : public CNativeSvgFile
{
public:
	explicit CQtSvgFile(const QString& strPath)
		: m_file(strPath)
		, m_device(&m_generator)
	{
	}

	CQtSvgFile(const CQtSvgFile&) = delete;
	CQtSvgFile& operator=(const CQtSvgFile&) = delete;

	// Declared in this order so that the painter ends, then the generator, before the file closes.
	QFile m_file;
	QSvgGenerator m_generator;
	CQtPaintDevice m_device;
};

CQtSvgFile* SvgOf(CNativeSvgFile* pFile)
{
	return static_cast<CQtSvgFile*>(pFile);
}

}

bool CQtDriver::WritePngFile(const PixelImage& image, const CString& strPath)
{
	return GdiWrapImage(image).save(ToQString(strPath), "PNG");
}

CNativeSvgFile* CQtDriver::CreateSvgFile(const CString& strPath, const CSize& size, const CString& strTitle)
{
	auto pFile = std::make_unique<CQtSvgFile>(ToQString(strPath));
	if (!pFile->m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
	{
		return nullptr;
	}
	pFile->m_generator.setOutputDevice(&pFile->m_file);
	pFile->m_generator.setSize(QSize(size.cx, size.cy));
	pFile->m_generator.setViewBox(QRect(0, 0, size.cx, size.cy));
	pFile->m_generator.setResolution(kPixelsPerInch);
	pFile->m_generator.setTitle(ToQString(strTitle));
	return pFile.release();
}

CPaintDevice* CQtDriver::SvgFileDevice(CNativeSvgFile* pFile)
{
	return &SvgOf(pFile)->m_device;
}

bool CQtDriver::FinishSvgFile(CNativeSvgFile* pFile)
{
	CQtSvgFile* pSvg = SvgOf(pFile);
	pSvg->m_device.EndPainting();
	// The document is written as its painter begins and ends: a picture nothing was drawn on is
	// still one, and empty.
	if (pSvg->m_file.pos() == 0)
	{
		QPainter painter(&pSvg->m_generator);
	}
	const bool bWritten = pSvg->m_file.flush() && pSvg->m_file.error() == QFileDevice::NoError;
	pSvg->m_file.close();
	return bWritten && pSvg->m_file.error() == QFileDevice::NoError;
}
