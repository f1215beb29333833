// Device-independent bitmap and palette records with their Windows layouts and constants,
// shared by the bitmap file reader and the GDI layer.
#pragma once

#include "framework/core/Types.h"

constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_RLE8 = 1;
constexpr DWORD BI_RLE4 = 2;
constexpr DWORD BI_BITFIELDS = 3;

constexpr UINT DIB_RGB_COLORS = 0;
constexpr UINT DIB_PAL_COLORS = 1;

// On disk the file header is 14 bytes with bfSize on a 2-byte boundary; packing keeps that layout
// so the header can be compared with the file byte for byte. Readers still parse it field by field.
#pragma pack(push, 2)
struct BITMAPFILEHEADER
{
	WORD bfType;
	DWORD bfSize;
	WORD bfReserved1;
	WORD bfReserved2;
	DWORD bfOffBits;
};
#pragma pack(pop)

struct BITMAPINFOHEADER
{
	DWORD biSize;
	LONG biWidth;
	LONG biHeight;
	WORD biPlanes;
	WORD biBitCount;
	DWORD biCompression;
	DWORD biSizeImage;
	LONG biXPelsPerMeter;
	LONG biYPelsPerMeter;
	DWORD biClrUsed;
	DWORD biClrImportant;
};

struct RGBQUAD
{
	BYTE rgbBlue;
	BYTE rgbGreen;
	BYTE rgbRed;
	BYTE rgbReserved;
};

// Callers allocate room for the whole colour table after the header; one entry is declared.
struct BITMAPINFO
{
	BITMAPINFOHEADER bmiHeader;
	RGBQUAD bmiColors[1];
};

struct BITMAP
{
	LONG bmType;
	LONG bmWidth;
	LONG bmHeight;
	LONG bmWidthBytes;
	WORD bmPlanes;
	WORD bmBitsPixel;
	LPVOID bmBits;
};

struct PALETTEENTRY
{
	BYTE peRed;
	BYTE peGreen;
	BYTE peBlue;
	BYTE peFlags;
};

struct LOGPALETTE
{
	WORD palVersion;
	WORD palNumEntries;
	PALETTEENTRY palPalEntry[1];
};

typedef BITMAPFILEHEADER* LPBITMAPFILEHEADER;
typedef BITMAPINFOHEADER* LPBITMAPINFOHEADER;
typedef BITMAPINFO* LPBITMAPINFO;
typedef RGBQUAD* LPRGBQUAD;
typedef BITMAP* LPBITMAP;
typedef PALETTEENTRY* LPPALETTEENTRY;
typedef LOGPALETTE* LPLOGPALETTE;

static_assert(sizeof(BITMAPFILEHEADER) == 14, "BITMAPFILEHEADER must match its 14 bytes on disk");
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER must match its 40 bytes on disk");
static_assert(sizeof(RGBQUAD) == 4, "RGBQUAD is four bytes");
static_assert(sizeof(BITMAPINFO) == 44, "BITMAPINFO is the header and one colour entry");
static_assert(sizeof(PALETTEENTRY) == 4, "PALETTEENTRY is four bytes");
static_assert(sizeof(LOGPALETTE) == 8, "LOGPALETTE is two words and one entry");
static_assert(offsetof(BITMAPFILEHEADER, bfOffBits) == 10, "bfOffBits sits at byte 10 on disk");
static_assert(offsetof(BITMAP, bmBits) == (sizeof(void*) == 8 ? 24 : 20), "BITMAP keeps the Windows field order");
