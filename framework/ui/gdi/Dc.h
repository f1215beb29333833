// CDC: a device context drawing on a window surface, a memory bitmap or a printer, with the
// Windows DC state (current position, selected objects, colours, modes, origins, clip region
// and the SaveDC stack) kept behind its handle.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/gdi/GdiTypes.h"

class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
class CPalette;
class CRgn;

class CDC : public CObject
{
	DECLARE_DYNAMIC(CDC)

public:
	CDC();
	// Deletes the DC it is attached to, if any; derived DCs detach in their own destructors.
	~CDC() override;

	CDC(const CDC&) = delete;
	CDC& operator=(const CDC&) = delete;

	HDC m_hDC;

	HDC GetSafeHdc() const;
	static CDC* FromHandle(HDC hDC);
	BOOL Attach(HDC hDC);
	HDC Detach();

	// A memory DC holding a 1x1 bitmap until a bitmap is selected into it; pDC is not needed.
	BOOL CreateCompatibleDC(CDC* pDC);
	BOOL DeleteDC();

	int SaveDC();
	// nSavedDC is a number SaveDC returned, or negative: -1 is the state saved last.
	BOOL RestoreDC(int nSavedDC);
	int GetDeviceCaps(int nIndex) const;

	// Selection returns the object selected before, or null when the selection failed.
	CPen* SelectObject(CPen* pPen);
	CBrush* SelectObject(CBrush* pBrush);
	CFont* SelectObject(CFont* pFont);
	CBitmap* SelectObject(CBitmap* pBitmap);
	int SelectObject(CRgn* pRgn);
	CGdiObject* SelectObject(CGdiObject* pObject);
	CGdiObject* SelectStockObject(int nIndex);
	CPen* GetCurrentPen() const;
	CBrush* GetCurrentBrush() const;
	CFont* GetCurrentFont() const;
	CBitmap* GetCurrentBitmap() const;

	CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
	CPalette* GetCurrentPalette() const;
	// The screen is true-colour: realising changes no entry.
	UINT RealizePalette();

	COLORREF SetTextColor(COLORREF crColor);
	COLORREF GetTextColor() const;
	COLORREF SetBkColor(COLORREF crColor);
	COLORREF GetBkColor() const;
	int SetBkMode(int nBkMode);
	int GetBkMode() const;
	int SetROP2(int nDrawMode);
	int GetROP2() const;
	int SetStretchBltMode(int nStretchMode);
	int GetStretchBltMode() const;
	UINT SetTextAlign(UINT nFlags);
	UINT GetTextAlign() const;
	int SetPolyFillMode(int nPolyFillMode);
	int GetPolyFillMode() const;
	int GetMapMode() const;

	CPoint SetViewportOrg(int x, int y);
	CPoint SetViewportOrg(POINT point);
	CPoint OffsetViewportOrg(int nWidth, int nHeight);
	CPoint GetViewportOrg() const;
	CPoint SetWindowOrg(int x, int y);
	CPoint SetWindowOrg(POINT point);
	CPoint OffsetWindowOrg(int nWidth, int nHeight);
	CPoint GetWindowOrg() const;
	void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
	void LPtoDP(LPRECT lpRect) const;
	void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
	void DPtoLP(LPRECT lpRect) const;

	// Clipping takes logical coordinates; results are NULLREGION, SIMPLEREGION, COMPLEXREGION or ERROR.
	int IntersectClipRect(int x1, int y1, int x2, int y2);
	int IntersectClipRect(LPCRECT lpRect);
	int ExcludeClipRect(int x1, int y1, int x2, int y2);
	int ExcludeClipRect(LPCRECT lpRect);
	// The region is in device coordinates; null removes the clipping the program added.
	int SelectClipRgn(CRgn* pRgn);
	int SelectClipRgn(CRgn* pRgn, int nMode);
	int GetClipBox(LPRECT lpRect) const;
	BOOL PtVisible(int x, int y) const;
	BOOL RectVisible(LPCRECT lpRect) const;

	CPoint MoveTo(int x, int y);
	CPoint MoveTo(POINT point);
	// The end point is not drawn, as on Windows.
	BOOL LineTo(int x, int y);
	BOOL LineTo(POINT point);
	CPoint GetCurrentPosition() const;
	BOOL Polyline(const POINT* lpPoints, int nCount);
	BOOL Polygon(const POINT* lpPoints, int nCount);
	// Outline with the pen, inside with the brush; right and bottom are outside, as on Windows.
	BOOL Rectangle(int x1, int y1, int x2, int y2);
	BOOL Rectangle(LPCRECT lpRect);
	BOOL Ellipse(int x1, int y1, int x2, int y2);
	BOOL Ellipse(LPCRECT lpRect);

	void FillRect(LPCRECT lpRect, CBrush* pBrush);
	// Leaves the background colour set to crColor, as the Windows framework does.
	void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
	void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
	void FrameRect(LPCRECT lpRect, CBrush* pBrush);
	void InvertRect(LPCRECT lpRect);
	void Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight);
	void Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight);
	// Borders in the system's 3-D colours: an outer and an inner line on the sides nFlags names,
	// the middle in the face colour with BF_MIDDLE, lpRect shrunk past the borders with BF_ADJUST.
	BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
	// Inverts every other pixel of the frame, so a second call erases it.
	void DrawFocusRect(LPCRECT lpRect);
	COLORREF SetPixel(int x, int y, COLORREF crColor);
	COLORREF SetPixel(POINT point, COLORREF crColor);
	// CLR_INVALID outside the surface, outside the clip region or on a device that cannot be read.
	COLORREF GetPixel(int x, int y) const;
	COLORREF GetPixel(POINT point) const;

	BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
	BOOL TextOut(int x, int y, const CString& str);
	BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
		LPINT lpDxWidths);
	BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths);
	// Returns the height of the text; with DT_CALCRECT it only measures, widening or narrowing lpRect.
	int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
	int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
	CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
	CSize GetTextExtent(const CString& str) const;
	CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
	CSize GetOutputTextExtent(const CString& str) const;
	BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
	BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const;

	BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
	BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
		int nSrcHeight, DWORD dwRop);
	BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
	// Moves the pixels of lpRectScroll (the whole surface when null) by dx, dy; only pixels inside
	// lpRectClip change. The uncovered area goes to pRgnUpdate and its bounds to lpRectUpdate.
	BOOL ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
		LPRECT lpRectUpdate);
	BOOL DrawIcon(int x, int y, HICON hIcon);
	BOOL DrawIcon(POINT point, HICON hIcon);
};
