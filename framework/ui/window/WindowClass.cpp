// The registry of window classes, with the framework's own plain class registered on first use.
#include "framework/ui/window/WindowClass.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

const char* const AFX_WND_CLASS_NAME = "AfxWnd";

namespace
{

std::string ClassKey(LPCTSTR lpszName)
{
	std::string key(lpszName);
	for (char& ch : key)
	{
		if (ch >= 'a' && ch <= 'z')
		{
			ch = static_cast<char>(ch - 'a' + 'A');
		}
	}
	return key;
}

std::map<std::string, std::unique_ptr<WindowClassRecord>>& Classes()
{
	static std::map<std::string, std::unique_ptr<WindowClassRecord>> s_classes;
	return s_classes;
}

void RegisterFrameworkClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS;
	wc.lpfnWndProc = ::DefWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
	wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
	wc.lpszClassName = AFX_WND_CLASS_NAME;
	RegisterWindowClass(wc, NativeKind::Surface, FALSE);
}

}

BOOL RegisterWindowClass(const WNDCLASS& wc, NativeKind nNativeKind, BOOL bNativePaint)
{
	if (wc.lpszClassName == nullptr || wc.lpszClassName[0] == '\0')
	{
		return FALSE;
	}
	auto pRecord = std::make_unique<WindowClassRecord>();
	pRecord->strName = wc.lpszClassName;
	pRecord->wc = wc;
	pRecord->wc.lpszClassName = pRecord->strName;
	if (pRecord->wc.lpfnWndProc == nullptr)
	{
		pRecord->wc.lpfnWndProc = ::DefWindowProc;
	}
	pRecord->nNativeKind = nNativeKind;
	pRecord->bNativePaint = bNativePaint;
	// A replaced class stays alive: windows made from it still point at its record.
	static std::vector<std::unique_ptr<WindowClassRecord>> s_replaced;
	auto& slot = Classes()[ClassKey(wc.lpszClassName)];
	if (slot)
	{
		s_replaced.push_back(std::move(slot));
	}
	slot = std::move(pRecord);
	return TRUE;
}

const WindowClassRecord* FindWindowClass(LPCTSTR lpszClassName)
{
	if (lpszClassName == nullptr || lpszClassName[0] == '\0')
	{
		lpszClassName = AFX_WND_CLASS_NAME;
	}
	if (Classes().find(ClassKey(AFX_WND_CLASS_NAME)) == Classes().end())
	{
		RegisterFrameworkClass();
	}
	auto it = Classes().find(ClassKey(lpszClassName));
	return it == Classes().end() ? nullptr : it->second.get();
}

BOOL AfxRegisterClass(WNDCLASS* lpWndClass)
{
	return lpWndClass != nullptr && RegisterWindowClass(*lpWndClass, NativeKind::Surface, FALSE);
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
	CString strName;
	strName.Format("Afx:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
		static_cast<void*>(hIcon));
	const WindowClassRecord* pExisting = FindWindowClass(strName);
	if (pExisting != nullptr)
	{
		return pExisting->strName;
	}
	WNDCLASS wc = {};
	wc.style = nClassStyle;
	wc.lpfnWndProc = ::DefWindowProc;
	wc.hCursor = hCursor;
	wc.hbrBackground = hbrBackground;
	wc.hIcon = hIcon;
	wc.lpszClassName = strName;
	RegisterWindowClass(wc, NativeKind::Surface, FALSE);
	return FindWindowClass(strName)->strName;
}
