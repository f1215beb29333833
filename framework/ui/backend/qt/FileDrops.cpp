// Drags of local files: the widgets Qt offers them to, their enter, move and drop events, and the
// drop told to the model.
#include "framework/ui/backend/qt/FileDrops.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/backend/qt/HostWidget.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <vector>

namespace
{

// Only files on this machine are offered; other addresses in the same drag are left out.
std::vector<CString> LocalFiles(const QMimeData* pData)
{
	std::vector<CString> paths;
	if (pData == nullptr || !pData->hasUrls())
	{
		return paths;
	}
	for (const QUrl& url : pData->urls())
	{
		if (url.isLocalFile())
		{
			paths.push_back(FromQString(url.toLocalFile()));
		}
	}
	return paths;
}

// The program only reads what is dropped: the source keeps its files, as after a copy or a link,
// and never deletes them as after a move.
bool AcceptWithoutMove(QDropEvent* pEvent)
{
	for (Qt::DropAction action : { Qt::CopyAction, Qt::LinkAction })
	{
		if (pEvent->possibleActions().testFlag(action))
		{
			pEvent->setDropAction(action);
			pEvent->accept();
			return true;
		}
	}
	pEvent->ignore();
	return false;
}

}

bool TranslateFileDrag(HWND hWnd, QWidget* pWidget, QEvent* pEvent)
{
	const QEvent::Type type = pEvent->type();
	if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
	{
		return false;
	}
	QDropEvent* pDrag = static_cast<QDropEvent*>(pEvent);
	const std::vector<CString> paths = LocalFiles(pDrag->mimeData());
	if (paths.empty())
	{
		return false;	// no files: a control's widget may take the drag itself, as an edit takes text
	}
	const NativeWindow* pNative = FindNativeWindow(hWnd);
	if (pNative == nullptr || !pNative->bAcceptsFiles)
	{
		pDrag->ignore();
		return true;
	}
	if (!AcceptWithoutMove(pDrag) || type != QEvent::Drop)
	{
		return true;
	}
	const QPoint ptScreen = pWidget->mapToGlobal(pDrag->position().toPoint());
	if (!OnToolkitFilesDropped(hWnd, paths, CPoint(ptScreen.x(), ptScreen.y())))
	{
		pDrag->ignore();
	}
	return true;
}

void CQtDriver::AcceptFileDrops(HWND hWnd, bool bAccept)
{
	NativeWindow* pNative = FindNativeWindow(hWnd);
	if (pNative == nullptr || pNative->pWidget == nullptr)
	{
		return;
	}
	pNative->bAcceptsFiles = bAccept;
	// Qt offers drags only to widgets that accept drops. A control's widget may accept drops of its
	// own (an edit takes text) and keeps them; drags of files it no longer takes go to its parents.
	if (bAccept || dynamic_cast<CHostWidget*>(pNative->pWidget) != nullptr)
	{
		pNative->pWidget->setAcceptDrops(bAccept);
	}
}
