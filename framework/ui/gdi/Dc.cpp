// CDC: handles, memory DCs, object selection, the SaveDC stack, colours, modes and device capabilities.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/Palette.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/gdi/Rgn.h"
#include "framework/ui/gdi/DcState.h"

#include <cmath>

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace
{
	const int kScreenPixelsPerInch = 96;

	template <class TData>
	HGDIOBJ HandleOf(const std::shared_ptr<TData>& pData)
	{
		return pData == nullptr ? nullptr : pData->Handle();
	}

	// Swaps in the data of hObject when it is a live object of the wanted kind; returns the
	// handle selected before, or null.
	template <class TData>
	HGDIOBJ Swap(std::shared_ptr<TData>& pSelected, HGDIOBJ hObject)
	{
		std::shared_ptr<TData> pData = GdiFind<TData>(hObject);
		if (pData == nullptr)
			return nullptr;
		HGDIOBJ hPrevious = HandleOf(pSelected);
		pSelected = pData;
		return hPrevious;
	}

	CSize ScreenSize(const DcState& state)
	{
		const CSize size = AfxGetDriver().ScreenSize();
		if (size.cx > 0 && size.cy > 0)
			return size;
		return state.Bounds().Size();
	}

	int MillimetresAtScreenResolution(int nPixels)
	{
		return static_cast<int>(std::lround(nPixels * 25.4 / kScreenPixelsPerInch));
	}
}

CDC::CDC()
	: m_hDC(nullptr)
{
}

CDC::~CDC()
{
	if (m_hDC != nullptr)
		DeleteDC();
}

HDC CDC::GetSafeHdc() const
{
	return m_hDC;
}

CDC* CDC::FromHandle(HDC hDC)
{
	DcState* pState = DcFind(hDC);
	if (pState == nullptr)
		return nullptr;
	if (pState->m_pPermanent != nullptr)
		return pState->m_pPermanent;
	if (pState->m_pTemporary == nullptr)
	{
		pState->m_pTemporary = std::make_unique<CDC>();
		pState->m_pTemporary->m_hDC = hDC;
	}
	return pState->m_pTemporary.get();
}

BOOL CDC::Attach(HDC hDC)
{
	DcState* pState = DcFind(hDC);
	if (pState == nullptr || m_hDC != nullptr)
		return FALSE;
	m_hDC = hDC;
	if (pState->m_pPermanent == nullptr)
		pState->m_pPermanent = this;
	return TRUE;
}

HDC CDC::Detach()
{
	HDC hDC = m_hDC;
	DcState* pState = DcFind(hDC);
	if (pState != nullptr && pState->m_pPermanent == this)
		pState->m_pPermanent = nullptr;
	m_hDC = nullptr;
	return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
	if (m_hDC != nullptr)
		return FALSE;
	return Attach(DcAdd(std::make_unique<DcState>()));
}

BOOL CDC::DeleteDC()
{
	if (m_hDC == nullptr)
		return FALSE;
	DcRemove(Detach());
	return TRUE;
}

int CDC::SaveDC()
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return 0;
	pState->m_saved.push_back(pState->Attr());
	return static_cast<int>(pState->m_saved.size());
}

BOOL CDC::RestoreDC(int nSavedDC)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	int nDepth = static_cast<int>(pState->m_saved.size());
	int nTarget = nSavedDC < 0 ? nDepth + 1 + nSavedDC : nSavedDC;
	if (nSavedDC == 0 || nTarget < 1 || nTarget > nDepth)
		return FALSE;
	DcAttributes attr = pState->m_saved[static_cast<size_t>(nTarget - 1)];
	pState->m_saved.resize(static_cast<size_t>(nTarget - 1));
	pState->Restore(attr);
	return TRUE;
}

int CDC::GetDeviceCaps(int nIndex) const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return 0;
	if (!pState->IsMemory() && pState->Device() != nullptr)
	{
		int nValue = AfxGetDriver().PrinterCaps(pState->Device(), nIndex);
		if (nValue >= 0)
			return nValue;
	}
	// Screens, window surfaces and memory DCs share the model of a true-colour screen at 96 dots per inch.
	switch (nIndex)
	{
	case TECHNOLOGY:
		return DT_RASDISPLAY;
	case HORZSIZE:
		return MillimetresAtScreenResolution(ScreenSize(*pState).cx);
	case VERTSIZE:
		return MillimetresAtScreenResolution(ScreenSize(*pState).cy);
	case HORZRES:
		return ScreenSize(*pState).cx;
	case VERTRES:
		return ScreenSize(*pState).cy;
	case BITSPIXEL:
		return 32;
	case PLANES:
		return 1;
	case NUMCOLORS:
		return -1;
	case RASTERCAPS:
		return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
	case ASPECTX:
	case ASPECTY:
		return 36;
	case ASPECTXY:
		return 51;
	case LOGPIXELSX:
	case LOGPIXELSY:
		return kScreenPixelsPerInch;
	case SIZEPALETTE:
	case NUMRESERVED:
		return 0;
	case COLORRES:
		return 24;
	default:
		return 0;
	}
}

CPen* CDC::SelectObject(CPen* pPen)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || pPen == nullptr)
		return nullptr;
	return CPen::FromHandle(reinterpret_cast<HPEN>(Swap(pState->Attr().pPen, pPen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || pBrush == nullptr)
		return nullptr;
	return CBrush::FromHandle(reinterpret_cast<HBRUSH>(Swap(pState->Attr().pBrush, pBrush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || pFont == nullptr)
		return nullptr;
	return CFont::FromHandle(reinterpret_cast<HFONT>(Swap(pState->Attr().pFont, pFont->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || pBitmap == nullptr)
		return nullptr;
	std::shared_ptr<GdiBitmapData> pData = GdiFind<GdiBitmapData>(pBitmap->m_hObject);
	HGDIOBJ hPrevious = HandleOf(pState->Attr().pBitmap);
	if (!pState->SelectBitmap(pData))
		return nullptr;
	return CBitmap::FromHandle(reinterpret_cast<HBITMAP>(hPrevious));
}

int CDC::SelectObject(CRgn* pRgn)
{
	return SelectClipRgn(pRgn);
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
	if (pObject == nullptr)
		return nullptr;
	HGDIOBJ hObject = pObject->m_hObject;
	switch (::GetObjectType(hObject))
	{
	case OBJ_PEN:
		return SelectObject(CPen::FromHandle(reinterpret_cast<HPEN>(hObject)));
	case OBJ_BRUSH:
		return SelectObject(CBrush::FromHandle(reinterpret_cast<HBRUSH>(hObject)));
	case OBJ_FONT:
		return SelectObject(CFont::FromHandle(reinterpret_cast<HFONT>(hObject)));
	case OBJ_BITMAP:
		return SelectObject(CBitmap::FromHandle(reinterpret_cast<HBITMAP>(hObject)));
	default:
		return nullptr;
	}
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
	return SelectObject(CGdiObject::FromHandle(GetStockObject(nIndex)));
}

CPen* CDC::GetCurrentPen() const
{
	DcState* pState = DcStateOf(this);
	return pState == nullptr ? nullptr : CPen::FromHandle(reinterpret_cast<HPEN>(HandleOf(pState->Attr().pPen)));
}

CBrush* CDC::GetCurrentBrush() const
{
	DcState* pState = DcStateOf(this);
	return pState == nullptr ? nullptr : CBrush::FromHandle(reinterpret_cast<HBRUSH>(HandleOf(pState->Attr().pBrush)));
}

CFont* CDC::GetCurrentFont() const
{
	DcState* pState = DcStateOf(this);
	return pState == nullptr ? nullptr : CFont::FromHandle(reinterpret_cast<HFONT>(HandleOf(pState->Attr().pFont)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
	DcState* pState = DcStateOf(this);
	return pState == nullptr ? nullptr : CBitmap::FromHandle(reinterpret_cast<HBITMAP>(HandleOf(pState->Attr().pBitmap)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || pPalette == nullptr)
		return nullptr;
	return CPalette::FromHandle(reinterpret_cast<HPALETTE>(Swap(pState->Attr().pPalette, pPalette->m_hObject)));
}

CPalette* CDC::GetCurrentPalette() const
{
	DcState* pState = DcStateOf(this);
	return pState == nullptr ? nullptr : CPalette::FromHandle(reinterpret_cast<HPALETTE>(HandleOf(pState->Attr().pPalette)));
}

UINT CDC::RealizePalette()
{
	return 0;
}
