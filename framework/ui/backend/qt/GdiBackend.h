// What the window layer reads from the GDI objects it is handed (class brushes, control colours,
// fonts of controls, pictures of static controls and toolbars, update regions) and the icons it makes.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QRegion>

#include <vector>

// Qt::NoBrush for a hollow brush or a handle that is not a brush.
QBrush GdiQBrush(HBRUSH hBrush);
// The font the DC would draw with; the system font for a handle that is not a font.
QFont GdiQFont(HFONT hFont);
// A null image for a handle that is not a bitmap.
QImage GdiBitmapImage(HBITMAP hBitmap);
// An empty region for a handle that is not a region.
QRegion GdiRegion(HRGN hRgn);
// Sets the region of hRgn; false when the handle is not a region.
bool GdiSetRegion(HRGN hRgn, const QRegion& region);

// Makes an object survive DeleteObject, as Windows keeps its stock objects and system colour brushes.
void GdiMarkStock(HGDIOBJ hObject);

HICON GdiCreateIcon(const QImage& image);
// An icon with several sizes of one picture: the first is the one drawn.
HICON GdiCreateIcon(const std::vector<QImage>& images);
// The image drawn; a null image for a handle that is not an icon.
QImage GdiIconImage(HICON hIcon);
// Every size of the icon, the drawn one first; empty for a handle that is not an icon.
std::vector<QImage> GdiIconImages(HICON hIcon);
bool GdiDestroyIcon(HICON hIcon);
