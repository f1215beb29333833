// The state behind a DC handle, its painter, and the table of live DC handles.
#include "framework/ui/backend/qt/DcState.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/backend/qt/GdiFont.h"

#include <QImage>
#include <QPaintDevice>

#include <unordered_map>

namespace
{
	typedef std::unordered_map<HDC, std::unique_ptr<DcState>> DcTable;
	typedef std::unordered_map<QPaintDevice*, DcState*> PainterTable;

	// Never destroyed, like the table of GDI objects.
	DcTable& Dcs()
	{
		static DcTable& table = *new DcTable;
		return table;
	}

	// Which DC paints each device: Qt allows one painter per device, Windows any number of DCs.
	PainterTable& Painters()
	{
		static PainterTable& table = *new PainterTable;
		return table;
	}

	DcAttributes DefaultAttributes()
	{
		DcAttributes attr;
		attr.pPen = GdiFind<GdiPenData>(GdiStockObject(BLACK_PEN));
		attr.pBrush = GdiFind<GdiBrushData>(GdiStockObject(WHITE_BRUSH));
		attr.pFont = GdiFind<GdiFontData>(GdiStockObject(SYSTEM_FONT));
		attr.pPalette = GdiFind<GdiPaletteData>(GdiStockObject(DEFAULT_PALETTE));
		return attr;
	}
}

DcState::DcState(QPaintDevice* pDevice, const QRegion* pClip)
	: m_pDevice(pDevice), m_bMemory(false), m_attr(DefaultAttributes())
{
	if (pClip != nullptr)
		m_systemClip = *pClip;
	Begin();
}

DcState::DcState()
	: m_pDevice(nullptr), m_bMemory(true), m_attr(DefaultAttributes())
{
	SelectBitmap(GdiDefaultBitmap());
}

DcState::~DcState()
{
	End();
	if (m_attr.pBitmap != nullptr)
		m_attr.pBitmap->m_pSelectedInto = nullptr;
	// The temporary wrapper must not delete this DC again on its way out.
	if (m_pTemporary)
		m_pTemporary->m_hDC = nullptr;
	if (m_pPermanent != nullptr)
		m_pPermanent->m_hDC = nullptr;
}

HDC DcState::Handle()
{
	return reinterpret_cast<HDC>(this);
}

bool DcState::IsPrinter() const
{
	if (m_pDevice == nullptr)
		return false;
	int nType = m_pDevice->devType();
	return nType == QInternal::Printer || nType == QInternal::Picture;
}

QPaintDevice* DcState::Device() const
{
	return m_bMemory ? static_cast<QPaintDevice*>(&m_attr.pBitmap->m_image) : m_pDevice;
}

QImage* DcState::Image()
{
	if (m_bMemory)
		return &m_attr.pBitmap->m_image;
	if (m_pDevice->devType() == QInternal::Image)
		return static_cast<QImage*>(m_pDevice);
	return nullptr;
}

QRect DcState::Bounds() const
{
	QPaintDevice* pDevice = Device();
	return QRect(0, 0, pDevice->width(), pDevice->height());
}

const DcAttributes& DcState::Attr() const
{
	return m_attr;
}

DcAttributes& DcState::Attr()
{
	return m_attr;
}

bool DcState::SelectBitmap(const std::shared_ptr<GdiBitmapData>& pBitmap)
{
	if (!m_bMemory || pBitmap == nullptr)
		return false;
	if (pBitmap == m_attr.pBitmap)
		return true;
	if (!pBitmap->m_bStock && pBitmap->m_pSelectedInto != nullptr)
		return false;
	End();
	if (m_attr.pBitmap != nullptr && !m_attr.pBitmap->m_bStock)
		m_attr.pBitmap->m_pSelectedInto = nullptr;
	m_attr.pBitmap = pBitmap;
	if (!pBitmap->m_bStock)
		pBitmap->m_pSelectedInto = this;
	Begin();
	return true;
}

void DcState::Restore(const DcAttributes& attr)
{
	std::shared_ptr<GdiBitmapData> pBitmap = attr.pBitmap;
	if (m_bMemory && pBitmap != nullptr && !SelectBitmap(pBitmap))
		pBitmap = m_attr.pBitmap;
	m_attr = attr;
	m_attr.pBitmap = pBitmap;
	SyncPainter();
}

void DcState::SyncPainter()
{
	if (!m_painter.isActive())
		return;
	m_painter.resetTransform();
	QRegion visible = VisibleRegion();
	if (visible == QRegion(Bounds()))
		m_painter.setClipping(false);
	else
		m_painter.setClipRegion(visible);
	m_painter.setTransform(QTransform::fromTranslate(LogicalToDevice().x(), LogicalToDevice().y()));
}

QPainter* DcState::Painter(QPainter::CompositionMode mode)
{
	if (!m_painter.isActive())
		Begin();
	if (!m_painter.isActive())
		return nullptr;
	m_painter.setCompositionMode(mode);
	m_painter.setRenderHint(QPainter::Antialiasing, false);
	return &m_painter;
}

QRegion DcState::VisibleRegion() const
{
	QRegion visible(Bounds());
	if (m_systemClip)
		visible &= *m_systemClip;
	if (m_attr.bClip)
		visible &= m_attr.rgnClip;
	return visible;
}

QPoint DcState::LogicalToDevice() const
{
	return m_attr.ptViewportOrg - m_attr.ptWindowOrg;
}

const QFont& DcState::Font()
{
	if (m_pCachedFontData != m_attr.pFont)
	{
		m_cachedFont = QFont(GdiMakeQFont(m_attr.pFont->m_logFont), Device());
		m_pCachedFontData = m_attr.pFont;
	}
	return m_cachedFont;
}

void DcState::Begin()
{
	if (m_bMemory && m_attr.pBitmap->m_bStock)
		return;
	QPaintDevice* pDevice = Device();
	// Another DC on the same device gives its painter up; it takes it back when it draws next.
	PainterTable& painters = Painters();
	auto it = painters.find(pDevice);
	if (it != painters.end() && it->second != this)
		it->second->End();
	if (m_painter.begin(pDevice))
	{
		painters[pDevice] = this;
		SyncPainter();
	}
}

void DcState::End()
{
	if (!m_painter.isActive())
		return;
	m_painter.end();
	PainterTable& painters = Painters();
	auto it = painters.find(Device());
	if (it != painters.end() && it->second == this)
		painters.erase(it);
}

HDC DcAdd(std::unique_ptr<DcState> pState)
{
	HDC hDC = pState->Handle();
	Dcs()[hDC] = std::move(pState);
	return hDC;
}

DcState* DcFind(HDC hDC)
{
	DcTable& dcs = Dcs();
	auto it = dcs.find(hDC);
	return it == dcs.end() ? nullptr : it->second.get();
}

void DcRemove(HDC hDC)
{
	Dcs().erase(hDC);
}

DcState* DcStateOf(const CDC* pDC)
{
	return pDC == nullptr ? nullptr : DcFind(pDC->m_hDC);
}

void DcReleaseDevice(QPaintDevice* pDevice)
{
	PainterTable& painters = Painters();
	auto it = painters.find(pDevice);
	if (it != painters.end())
		it->second->End();
}
