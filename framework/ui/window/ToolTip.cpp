// Tooltip text requests in their 8-bit and wide forms, and the program's one tooltip window
// showing the answer.
#include "framework/ui/window/ToolTip.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/ToolInfo.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

#include <string>

namespace
{

// Wide characters hold whole code points here; the answer is kept as UTF-8, like every CString.
CString Utf8FromWide(LPCWSTR lpszWide)
{
	std::string strUtf8;
	for (; *lpszWide != 0; ++lpszWide)
	{
		const unsigned long nCode = static_cast<unsigned long>(*lpszWide);
		if (nCode < 0x80)
		{
			strUtf8 += static_cast<char>(nCode);
		}
		else if (nCode < 0x800)
		{
			strUtf8 += static_cast<char>(0xC0 | (nCode >> 6));
			strUtf8 += static_cast<char>(0x80 | (nCode & 0x3F));
		}
		else if (nCode < 0x10000)
		{
			strUtf8 += static_cast<char>(0xE0 | (nCode >> 12));
			strUtf8 += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
			strUtf8 += static_cast<char>(0x80 | (nCode & 0x3F));
		}
		else if (nCode < 0x110000)
		{
			strUtf8 += static_cast<char>(0xF0 | (nCode >> 18));
			strUtf8 += static_cast<char>(0x80 | ((nCode >> 12) & 0x3F));
			strUtf8 += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
			strUtf8 += static_cast<char>(0x80 | (nCode & 0x3F));
		}
	}
	return CString(strUtf8.c_str());
}

CString TextOf(LPCSTR lpszText)
{
	return CString(lpszText);
}

CString TextOf(LPCWSTR lpszText)
{
	return Utf8FromWide(lpszText);
}

// The owner may answer in the buffer, with a string of its own, or with a string resource id.
template <class TOOLTIPTEXT>
CString AnswerText(TOOLTIPTEXT& request)
{
	request.szText[sizeof(request.szText) / sizeof(request.szText[0]) - 1] = 0;
	const UINT_PTR nText = reinterpret_cast<UINT_PTR>(request.lpszText);
	if (request.lpszText == nullptr)
	{
		return CString();
	}
	if ((nText >> 16) == 0)
	{
		CString strText;
		strText.LoadString(static_cast<UINT>(nText));
		return strText;
	}
	return TextOf(request.lpszText);
}

template <class TOOLTIPTEXT>
CString Request(CWnd* pOwner, CWnd* pFrom, UINT nID, UINT nCode)
{
	TOOLTIPTEXT request = {};
	request.hdr.hwndFrom = pFrom->GetSafeHwnd();
	request.hdr.idFrom = nID;
	request.hdr.code = nCode;
	request.lpszText = request.szText;
	pOwner->SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&request));
	return AnswerText(request);
}

}

CString AfxRequestToolTipText(CWnd* pOwner, CWnd* pFrom, UINT nID)
{
	if (pOwner == nullptr || pFrom == nullptr)
	{
		return CString();
	}
	CString strText = Request<TOOLTIPTEXTA>(pOwner, pFrom, nID, TTN_NEEDTEXTA);
	if (strText.IsEmpty())
	{
		strText = Request<TOOLTIPTEXTW>(pOwner, pFrom, nID, TTN_NEEDTEXTW);
	}
	return strText;
}

void AfxShowToolTip(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool)
{
	CWindowRecord* pRecord = pWnd != nullptr ? CWindowRecord::FromHandle(pWnd->GetSafeHwnd()) : nullptr;
	if (pRecord == nullptr || !pRecord->m_bNative || lpRectTool == nullptr)
	{
		return;
	}
	// Below the tool, a little right of its left edge, as Windows places a tip under the pointer.
	AfxGetDriver().ShowToolTip(pRecord->Handle(), lpszText, CPoint(lpRectTool->left + 8, lpRectTool->bottom + 2));
}

void AfxHideToolTip()
{
	AfxGetDriver().HideToolTip();
}

CString AfxGetToolTipText()
{
	return AfxGetDriver().ToolTipText();
}
