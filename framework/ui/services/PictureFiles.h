// Pictures written to files: a bitmap's pixels as PNG, and a DC whose drawing becomes an SVG
// picture. A file is written under a temporary name in its folder and renamed once whole, so a
// failure leaves no file, not even part of one.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/Types.h"

// FALSE, and no file, when the handle is no bitmap or the file cannot be written.
BOOL SaveBitmapAsPng(HBITMAP hBitmap, LPCTSTR lpszPath);

// A DC drawing an SVG picture of sizePicture pixels titled lpszTitle, to be written at lpszPath by
// CloseSvgDC; draw on it through CDC::FromHandle or CDC::Attach. Null when the path's folder
// cannot be written.
HDC CreateSvgDC(LPCTSTR lpszPath, CSize sizePicture, LPCTSTR lpszTitle);
// Finishes the picture and deletes the DC (a CDC attached to it is left with none); FALSE, and no
// file, when it could not be written or hDC is no SVG DC. A DC deleted without it writes nothing.
BOOL CloseSvgDC(HDC hDC);
