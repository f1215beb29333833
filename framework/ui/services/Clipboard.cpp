// The clipboard's state and rules in the model; what it holds goes to the desktop's clipboard
// through the driver when it is closed.
#include "framework/ui/services/Clipboard.h"

#include "framework/core/DibParser.h"
#include "framework/core/GlobalMemory.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/GdiDib.h"
#include "framework/ui/gdi/GdiObject.h"
#include "framework/ui/gdi/GdiObjectData.h"
#include "framework/ui/window/Wnd.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

namespace
{

struct ClipboardState
{
	// What it holds at the end of the run goes with it; a bitmap stays with the GDI objects, whose
	// table may be gone already.
	~ClipboardState()
	{
		for (const auto& entry : data)
		{
			if (entry.first != CF_BITMAP)
			{
				GlobalFree(entry.second);
			}
		}
	}

	bool bOpen = false;
	HWND hOpener = nullptr;
	HWND hOwner = nullptr;
	bool bEmptied = false;	// since it was opened
	bool bChanged = false;	// since it was opened: what the desktop holds is to be replaced
	std::map<UINT, HANDLE> data;
};

ClipboardState& Clipboard()
{
	static ClipboardState s_state;
	return s_state;
}

void FreeData(UINT uFormat, HANDLE hMem)
{
	if (uFormat == CF_BITMAP)
	{
		::DeleteObject(reinterpret_cast<HGDIOBJ>(hMem));
	}
	else
	{
		GlobalFree(hMem);
	}
}

// The header of a packed DIB, and where its rows start; null when the block holds no whole DIB.
const BITMAPINFO* PackedDib(HGLOBAL hMem, const BYTE** ppBits)
{
	const size_t nSize = GlobalSize(hMem);
	const BYTE* pBlock = static_cast<const BYTE*>(GlobalLock(hMem));
	if (pBlock == nullptr || nSize < sizeof(BITMAPINFOHEADER))
	{
		return nullptr;
	}
	const BITMAPINFO* pInfo = reinterpret_cast<const BITMAPINFO*>(pBlock);
	const BITMAPINFOHEADER& header = pInfo->bmiHeader;
	if (header.biSize != DIB_INFO_HEADER_SIZE || DibCheckHeader(header) != DibFault::None)
	{
		return nullptr;
	}
	const ULONGLONG nOffset = DIB_INFO_HEADER_SIZE + ULONGLONG(DibColorCount(header)) * sizeof(RGBQUAD);
	const ULONGLONG nRows = static_cast<ULONGLONG>(std::llabs(header.biHeight));
	if (nOffset + DibRowSize(header.biBitCount, header.biWidth) * nRows > nSize)
	{
		return nullptr;
	}
	*ppBits = pBlock + nOffset;
	return pInfo;
}

bool IsValidData(UINT uFormat, HANDLE hMem)
{
	const BYTE* pBits = nullptr;
	switch (uFormat)
	{
	case CF_BITMAP:
		return GdiFind<GdiBitmapData>(reinterpret_cast<HGDIOBJ>(hMem)) != nullptr;
	case CF_DIB:
		return PackedDib(hMem, &pBits) != nullptr;
	case CF_TEXT:
	case CF_UNICODETEXT:
		return GlobalSize(hMem) > 0;
	default:
		return false;
	}
}

void AppendUtf8(CString& str, unsigned long nCode)
{
	char buffer[5] = {};
	if (nCode < 0x80)
	{
		buffer[0] = static_cast<char>(nCode);
	}
	else if (nCode < 0x800)
	{
		buffer[0] = static_cast<char>(0xC0 | (nCode >> 6));
		buffer[1] = static_cast<char>(0x80 | (nCode & 0x3F));
	}
	else if (nCode < 0x10000)
	{
		buffer[0] = static_cast<char>(0xE0 | (nCode >> 12));
		buffer[1] = static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
		buffer[2] = static_cast<char>(0x80 | (nCode & 0x3F));
	}
	else
	{
		buffer[0] = static_cast<char>(0xF0 | (nCode >> 18));
		buffer[1] = static_cast<char>(0x80 | ((nCode >> 12) & 0x3F));
		buffer[2] = static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
		buffer[3] = static_cast<char>(0x80 | (nCode & 0x3F));
	}
	str += buffer;
}

// UTF-16 up to its zero unit or the block's end; an unpaired surrogate becomes U+FFFD.
CString TextOfUnicode(HGLOBAL hMem)
{
	const size_t nUnits = GlobalSize(hMem) / sizeof(char16_t);
	const char16_t* pText = static_cast<const char16_t*>(GlobalLock(hMem));
	CString str;
	for (size_t i = 0; i < nUnits && pText[i] != 0; ++i)
	{
		unsigned long nCode = pText[i];
		if (nCode >= 0xD800 && nCode < 0xDC00 && i + 1 < nUnits && pText[i + 1] >= 0xDC00 && pText[i + 1] < 0xE000)
		{
			nCode = 0x10000 + ((nCode - 0xD800) << 10) + (pText[i + 1] - 0xDC00);
			++i;
		}
		else if (nCode >= 0xD800 && nCode < 0xE000)
		{
			nCode = 0xFFFD;
		}
		AppendUtf8(str, nCode);
	}
	return str;
}

CString TextOfBytes(HGLOBAL hMem)
{
	const size_t nSize = GlobalSize(hMem);
	const char* pText = static_cast<const char*>(GlobalLock(hMem));
	const void* pEnd = std::memchr(pText, 0, nSize);
	const size_t nLength = pEnd != nullptr ? static_cast<size_t>(static_cast<const char*>(pEnd) - pText) : nSize;
	return CString(pText, static_cast<int>(nLength));
}

ClipboardContents ContentsOf(const std::map<UINT, HANDLE>& data)
{
	ClipboardContents contents;
	auto it = data.find(CF_UNICODETEXT);
	if (it != data.end() || (it = data.find(CF_TEXT)) != data.end())
	{
		contents.bText = true;
		contents.strText = it->first == CF_UNICODETEXT ? TextOfUnicode(it->second) : TextOfBytes(it->second);
	}
	std::shared_ptr<GdiBitmapData> pBitmap;
	if ((it = data.find(CF_BITMAP)) != data.end())
	{
		// The program may have deleted the bitmap it handed over, against the rules: no picture then.
		pBitmap = GdiFind<GdiBitmapData>(reinterpret_cast<HGDIOBJ>(it->second));
		contents.bImage = pBitmap != nullptr;
		contents.image = pBitmap != nullptr ? pBitmap->m_image : PixelImage();
	}
	else if ((it = data.find(CF_DIB)) != data.end())
	{
		const BYTE* pBits = nullptr;
		const BITMAPINFO* pInfo = PackedDib(it->second, &pBits);
		contents.bImage = true;
		contents.image = GdiImageFromDib(pInfo, pBits, static_cast<int>(std::labs(pInfo->bmiHeader.biHeight)));
	}
	return contents;
}

}

BOOL OpenClipboard(HWND hWndNewOwner)
{
	ClipboardState& clipboard = Clipboard();
	if (clipboard.bOpen && clipboard.hOpener != hWndNewOwner)
	{
		return FALSE;
	}
	if (!clipboard.bOpen)
	{
		clipboard.bEmptied = false;
		clipboard.bChanged = false;
	}
	clipboard.bOpen = true;
	clipboard.hOpener = hWndNewOwner;
	return TRUE;
}

BOOL EmptyClipboard()
{
	ClipboardState& clipboard = Clipboard();
	if (!clipboard.bOpen)
	{
		return FALSE;
	}
	for (const auto& entry : clipboard.data)
	{
		FreeData(entry.first, entry.second);
	}
	clipboard.data.clear();
	clipboard.hOwner = clipboard.hOpener;
	clipboard.bEmptied = true;
	clipboard.bChanged = true;
	return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem)
{
	ClipboardState& clipboard = Clipboard();
	if (!clipboard.bOpen || !clipboard.bEmptied || clipboard.hOwner == nullptr || hMem == nullptr
		|| !IsValidData(uFormat, hMem))
	{
		return nullptr;
	}
	auto it = clipboard.data.find(uFormat);
	if (it != clipboard.data.end() && it->second != hMem)
	{
		FreeData(uFormat, it->second);
	}
	clipboard.data[uFormat] = hMem;
	clipboard.bChanged = true;
	return hMem;
}

BOOL CloseClipboard()
{
	ClipboardState& clipboard = Clipboard();
	if (!clipboard.bOpen)
	{
		return FALSE;
	}
	clipboard.bOpen = false;
	clipboard.hOpener = nullptr;
	if (clipboard.bChanged)
	{
		clipboard.bChanged = false;
		AfxGetDriver().SetClipboardContents(ContentsOf(clipboard.data));
	}
	return TRUE;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
	const std::map<UINT, HANDLE>& data = Clipboard().data;
	switch (format)
	{
	case CF_TEXT:
	case CF_UNICODETEXT:
		return data.count(CF_TEXT) != 0 || data.count(CF_UNICODETEXT) != 0;
	case CF_BITMAP:
	case CF_DIB:
		return data.count(CF_BITMAP) != 0 || data.count(CF_DIB) != 0;
	default:
		return FALSE;
	}
}

BOOL CWnd::OpenClipboard()
{
	return ::OpenClipboard(m_hWnd);
}
