// PNG and SVG picture files through the driver, with the temporary name and the rename kept here.
#include "framework/ui/services/PictureFiles.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/DcAttach.h"
#include "framework/ui/gdi/DcState.h"
#include "framework/ui/gdi/GdiObjectData.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

// An empty file beside strPath with a name of its own, for the picture to be written on; empty
// when the folder cannot be written.
CString MakeTemporaryFile(const CString& strPath)
{
	const int nSlash = strPath.ReverseFind('/');
	CString strTemplate = strPath.Left(nSlash + 1) + "." + strPath.Mid(nSlash + 1) + ".XXXXXX";
	const LPCTSTR lpszTemplate = strTemplate;
	std::vector<char> name(lpszTemplate, lpszTemplate + strTemplate.GetLength() + 1);
	const int nFile = mkstemp(name.data());
	if (nFile < 0)
	{
		return CString();
	}
	// mkstemp makes the file for its owner alone; a picture is read by others as any new file is.
	const mode_t nMask = umask(0);
	umask(nMask);
	fchmod(nFile, 0666 & ~nMask);
	close(nFile);
	return CString(name.data());
}

// The written file takes the final name; otherwise it goes.
BOOL Conclude(bool bWritten, const CString& strTemporary, const CString& strPath)
{
	if (bWritten && std::rename(strTemporary, strPath) == 0)
	{
		return TRUE;
	}
	std::remove(strTemporary);
	return FALSE;
}

struct SvgPicture
{
	HDC hDC;
	std::unique_ptr<CNativeSvgFile> pNative;
	CString strTemporary;
	CString strPath;
};

std::vector<SvgPicture>& Pictures()
{
	static std::vector<SvgPicture> s_pictures;
	return s_pictures;
}

// A picture whose DC was deleted (and whose handle another DC may have taken) is abandoned.
void DropDeadPictures()
{
	std::vector<SvgPicture>& pictures = Pictures();
	for (auto it = pictures.begin(); it != pictures.end();)
	{
		if (DcDevice(it->hDC) == AfxGetDriver().SvgFileDevice(it->pNative.get()))
		{
			++it;
			continue;
		}
		it->pNative.reset();
		std::remove(it->strTemporary);
		it = pictures.erase(it);
	}
}

}

BOOL SaveBitmapAsPng(HBITMAP hBitmap, LPCTSTR lpszPath)
{
	std::shared_ptr<GdiBitmapData> pBitmap = GdiFind<GdiBitmapData>(reinterpret_cast<HGDIOBJ>(hBitmap));
	const CString strPath = lpszPath != nullptr ? lpszPath : "";
	if (pBitmap == nullptr || strPath.IsEmpty())
	{
		return FALSE;
	}
	const CString strTemporary = MakeTemporaryFile(strPath);
	if (strTemporary.IsEmpty())
	{
		return FALSE;
	}
	return Conclude(AfxGetDriver().WritePngFile(pBitmap->m_image, strTemporary), strTemporary, strPath);
}

HDC CreateSvgDC(LPCTSTR lpszPath, CSize sizePicture, LPCTSTR lpszTitle)
{
	const CString strPath = lpszPath != nullptr ? lpszPath : "";
	if (strPath.IsEmpty() || sizePicture.cx <= 0 || sizePicture.cy <= 0)
	{
		return nullptr;
	}
	DropDeadPictures();
	const CString strTemporary = MakeTemporaryFile(strPath);
	if (strTemporary.IsEmpty())
	{
		return nullptr;
	}
	std::unique_ptr<CNativeSvgFile> pNative(
		AfxGetDriver().CreateSvgFile(strTemporary, sizePicture, lpszTitle != nullptr ? lpszTitle : ""));
	if (pNative == nullptr)
	{
		std::remove(strTemporary);
		return nullptr;
	}
	CDC dc;
	AttachDcToSurface(dc, AfxGetDriver().SvgFileDevice(pNative.get()), nullptr);
	HDC hDC = dc.Detach();
	Pictures().push_back(SvgPicture { hDC, std::move(pNative), strTemporary, strPath });
	return hDC;
}

BOOL CloseSvgDC(HDC hDC)
{
	DropDeadPictures();
	std::vector<SvgPicture>& pictures = Pictures();
	for (auto it = pictures.begin(); it != pictures.end(); ++it)
	{
		if (it->hDC != hDC)
		{
			continue;
		}
		SvgPicture picture = std::move(*it);
		pictures.erase(it);
		// Deleting the DC ends its drawing on the picture; a CDC attached to it is left with none.
		DcRemove(hDC);
		const bool bWritten = AfxGetDriver().FinishSvgFile(picture.pNative.get());
		picture.pNative.reset();
		return Conclude(bWritten, picture.strTemporary, picture.strPath);
	}
	return FALSE;
}
