// The state behind a DC handle, where its drawing goes, and the table of live DC handles.
#include "framework/ui/gdi/DcState.h"

#include "framework/ui/gdi/Dc.h"

#include <unordered_map>

namespace
{
	typedef std::unordered_map<HDC, std::unique_ptr<DcState>> DcTable;

	// Never destroyed, like the table of GDI objects.
	DcTable& Dcs()
	{
		static DcTable& table = *new DcTable;
		return table;
	}

	// Every target made gets a number of its own, whichever DC made it.
	unsigned s_nLastSerial = 0;

	// The DC found last: a scope's repaint looks the same one up for each of thousands of segments.
	HDC s_hLastFound = nullptr;
	DcState* s_pLastFound = nullptr;

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

DcState::DcState(CPaintDevice* pDevice, const PixelRegion* pClip)
	: m_pDevice(pDevice), m_bMemory(false), m_attr(DefaultAttributes())
{
	if (pClip != nullptr)
		m_systemClip = *pClip;
}

DcState::DcState()
	: m_pDevice(nullptr), m_bMemory(true), m_attr(DefaultAttributes())
{
	SelectBitmap(GdiDefaultBitmap());
}

DcState::~DcState()
{
	EndDrawing();
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

CPaintDevice* DcState::Device() const
{
	return m_bMemory ? m_attr.pBitmap->Device() : m_pDevice;
}

bool DcState::IsMemory() const
{
	return m_bMemory;
}

CRect DcState::Bounds() const
{
	if (m_bMemory)
		return CRect(0, 0, m_attr.pBitmap->m_image.nWidth, m_attr.pBitmap->m_image.nHeight);
	if (m_pDevice == nullptr)
		return CRect(0, 0, 0, 0);
	const CSize size = AfxGetDriver().DeviceSize(m_pDevice);
	return CRect(0, 0, size.cx, size.cy);
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
	EndDrawing();
	if (m_attr.pBitmap != nullptr && !m_attr.pBitmap->m_bStock)
		m_attr.pBitmap->m_pSelectedInto = nullptr;
	m_attr.pBitmap = pBitmap;
	if (!pBitmap->m_bStock)
		pBitmap->m_pSelectedInto = this;
	m_bTargetValid = false;
	return true;
}

void DcState::Restore(const DcAttributes& attr)
{
	std::shared_ptr<GdiBitmapData> pBitmap = attr.pBitmap;
	if (m_bMemory && pBitmap != nullptr && !SelectBitmap(pBitmap))
		pBitmap = m_attr.pBitmap;
	m_attr = attr;
	m_attr.pBitmap = pBitmap;
	ClipChanged();
}

void DcState::ClipChanged()
{
	m_bTargetValid = false;
}

const DrawTarget* DcState::Target()
{
	if (m_bMemory ? m_attr.pBitmap->m_bStock : m_pDevice == nullptr)
		return nullptr;
	if (!m_bTargetValid)
	{
		const CRect bounds = Bounds();
		m_visible = VisibleRegion();
		const bool bWhole = m_visible.RectCount() == 1 && m_visible.BoundingRect() == bounds;
		m_target = DrawTarget { Device(), LogicalToDevice(), bWhole ? nullptr : &m_visible, ++s_nLastSerial };
		m_bTargetValid = true;
	}
	m_pDrawnDevice = m_target.pDevice;
	return &m_target;
}

PixelRegion DcState::VisibleRegion() const
{
	PixelRegion visible(Bounds());
	if (m_systemClip)
		visible &= *m_systemClip;
	if (m_attr.bClip)
		visible &= m_attr.rgnClip;
	return visible;
}

CPoint DcState::LogicalToDevice() const
{
	return CPoint(m_attr.ptViewportOrg.x - m_attr.ptWindowOrg.x, m_attr.ptViewportOrg.y - m_attr.ptWindowOrg.y);
}

void DcState::EndDrawing()
{
	if (m_pDrawnDevice != nullptr)
		AfxGetDriver().EndDrawing(m_pDrawnDevice);
	m_pDrawnDevice = nullptr;
	m_bTargetValid = false;
}

HDC DcAdd(std::unique_ptr<DcState> pState)
{
	HDC hDC = pState->Handle();
	if (hDC == s_hLastFound)
		s_hLastFound = nullptr;
	Dcs()[hDC] = std::move(pState);
	return hDC;
}

DcState* DcFind(HDC hDC)
{
	if (hDC != nullptr && hDC == s_hLastFound)
		return s_pLastFound;
	DcTable& dcs = Dcs();
	auto it = dcs.find(hDC);
	if (it == dcs.end())
		return nullptr;
	s_hLastFound = hDC;
	s_pLastFound = it->second.get();
	return s_pLastFound;
}

void DcRemove(HDC hDC)
{
	if (hDC == s_hLastFound)
		s_hLastFound = nullptr;
	Dcs().erase(hDC);
}

size_t DcCount()
{
	return Dcs().size();
}

DcState* DcStateOf(const CDC* pDC)
{
	return pDC == nullptr ? nullptr : DcFind(pDC->m_hDC);
}
