// Drops of files: the windows that take them, the drop records behind HDROP handles, and the
// toolkit's drops turned into WM_DROPFILES.
#include "framework/ui/window/DropFiles.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/MessageQueue.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

struct HDROP__
{
	std::vector<CString> paths;
	CPoint ptClient;
	bool bInClient;
};

namespace
{

// Every drop not yet finished. A program that never calls DragFinish keeps its drops to the end
// of the run, as on Windows, but nothing is lost from sight.
std::vector<std::unique_ptr<HDROP__>>& LiveDrops()
{
	static std::vector<std::unique_ptr<HDROP__>> drops;
	return drops;
}

HDROP__* FindDrop(HDROP hDrop)
{
	for (const std::unique_ptr<HDROP__>& pDrop : LiveDrops())
	{
		if (pDrop.get() == hDrop)
		{
			return pDrop.get();
		}
	}
	return nullptr;
}

// A UTF-8 continuation byte: cutting before it would split a character.
bool ContinuesCharacter(char ch)
{
	return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

}

void DragAcceptFiles(HWND hWnd, BOOL fAccept)
{
	if (CWnd* pWnd = CWnd::FromHandle(hWnd))
	{
		pWnd->ModifyStyleEx(fAccept ? 0 : WS_EX_ACCEPTFILES, fAccept ? WS_EX_ACCEPTFILES : 0);
	}
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
	::DragAcceptFiles(m_hWnd, bAccept);
}

UINT DragQueryFile(HDROP hDrop, UINT iFile, LPSTR lpszFile, UINT cch)
{
	const HDROP__* pDrop = FindDrop(hDrop);
	if (pDrop == nullptr)
	{
		return 0;
	}
	if (iFile == 0xFFFFFFFF)
	{
		return static_cast<UINT>(pDrop->paths.size());
	}
	if (iFile >= pDrop->paths.size())
	{
		return 0;
	}
	const CString& strPath = pDrop->paths[iFile];
	const UINT nLength = static_cast<UINT>(strPath.GetLength());
	if (lpszFile == nullptr)
	{
		return nLength;
	}
	if (cch == 0)
	{
		return 0;
	}
	UINT nCopied = std::min(nLength, cch - 1);
	while (nCopied > 0 && nCopied < nLength && ContinuesCharacter(strPath[static_cast<int>(nCopied)]))
	{
		--nCopied;
	}
	std::memcpy(lpszFile, static_cast<LPCTSTR>(strPath), nCopied);
	lpszFile[nCopied] = '\0';
	return nCopied;
}

BOOL DragQueryPoint(HDROP hDrop, LPPOINT lppt)
{
	const HDROP__* pDrop = FindDrop(hDrop);
	if (pDrop == nullptr || lppt == nullptr)
	{
		return FALSE;
	}
	*lppt = pDrop->ptClient;
	return pDrop->bInClient ? TRUE : FALSE;
}

void DragFinish(HDROP hDrop)
{
	std::vector<std::unique_ptr<HDROP__>>& drops = LiveDrops();
	drops.erase(std::remove_if(drops.begin(), drops.end(),
					[hDrop](const std::unique_ptr<HDROP__>& pDrop) { return pDrop.get() == hDrop; }),
		drops.end());
}

bool OnToolkitFilesDropped(HWND hWnd, const std::vector<CString>& paths, const CPoint& ptScreen)
{
	// As on Windows, a window that does not take files leaves them to the nearest parent that does.
	CWindowRecord* pTarget = CWindowRecord::FromHandle(hWnd);
	while (pTarget != nullptr && (pTarget->m_dwExStyle & WS_EX_ACCEPTFILES) == 0)
	{
		pTarget = pTarget->IsChildWindow() ? pTarget->m_pParent : nullptr;
	}
	// A disabled window, such as the owner of a modal dialog, takes no files as it takes no input.
	if (pTarget == nullptr || paths.empty() || !pTarget->IsEnabledForInput())
	{
		return false;
	}
	CPoint ptClient = ptScreen;
	ptClient -= pTarget->ClientOriginOnScreen();
	const bool bInClient = CRect(CPoint(0, 0), pTarget->ClientSize()).PtInRect(ptClient) != FALSE;
	std::unique_ptr<HDROP__> pDrop(new HDROP__ { paths, ptClient, bInClient });
	const HDROP hDrop = pDrop.get();
	LiveDrops().push_back(std::move(pDrop));
	// Posted, as the shell posts it: the desktop's drag is over before the program, which may ask
	// the user something first, handles the files.
	if (!PostWindowMessage(pTarget->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0))
	{
		DragFinish(hDrop);
		return false;
	}
	return true;
}
