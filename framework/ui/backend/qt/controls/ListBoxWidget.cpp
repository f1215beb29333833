// The LISTBOX class: a single-selection QListWidget of strings with item data, notifying the
// parent of the user's selection changes and double clicks when it has LBS_NOTIFY.
#include "framework/core/ControlConstants.h"
#include "framework/ui/backend/qt/ControlSupport.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"
#include "framework/ui/window/WndMsgMap.h"

#include <QListWidget>
#include <QStyleOption>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cstring>

namespace
{

// A list box without owner-drawn items of their own heights has one height for every item: the
// one set with LB_SETITEMHEIGHT, else what the style gives a line of text in the list's font.
class CListBoxWidget final : public CPaletteSharingWidget<QListWidget, QStyleOptionFrame>
{
public:
	using CPaletteSharingWidget::CPaletteSharingWidget;

	int m_nItemHeight = 0;

	int ItemHeight() const
	{
		if (count() > 0)
		{
			return sizeHintForRow(0);
		}
		if (m_nItemHeight > 0)
		{
			return m_nItemHeight;
		}
		QStyleOptionViewItem option;
		initViewItemOption(&option);
		option.features |= QStyleOptionViewItem::HasDisplay;
		option.text = QStringLiteral("X");
		return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
	}
};

class CListBoxItemDelegate final : public QStyledItemDelegate
{
public:
	explicit CListBoxItemDelegate(CListBoxWidget* pList)
		: QStyledItemDelegate(pList)
		, m_pList(pList)
	{
	}

	QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
	{
		QSize size = QStyledItemDelegate::sizeHint(option, index);
		if (m_pList->m_nItemHeight > 0)
		{
			size.setHeight(m_pList->m_nItemHeight);
		}
		return size;
	}

private:
	CListBoxWidget* m_pList;
};

void NotifyIfAsked(HWND hWnd, UINT nCode)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost != nullptr && (pHost->m_dwStyle & LBS_NOTIFY) != 0)
	{
		ControlNotifyParent(hWnd, nCode);
	}
}

}

QWidget* CreateListBoxWidget(HWND hWnd, const NativeWindowSpec& spec, QWidget* pParent)
{
	CListBoxWidget* pList = new CListBoxWidget(pParent);
	pList->setItemDelegate(new CListBoxItemDelegate(pList));
	pList->setSelectionMode((spec.dwStyle & LBS_NOSEL) != 0 ? QAbstractItemView::NoSelection
															  : QAbstractItemView::SingleSelection);
	pList->setFrameShape((spec.dwStyle & WS_BORDER) != 0 || (spec.dwExStyle & WS_EX_CLIENTEDGE) != 0
			? QFrame::StyledPanel
			: QFrame::NoFrame);
	pList->setVerticalScrollBarPolicy((spec.dwStyle & WS_VSCROLL) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
	pList->setHorizontalScrollBarPolicy((spec.dwStyle & WS_HSCROLL) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
	ControlApplyPalette(pList, true);
	// Programmatic changes block the widget's signals, so only the user's choices notify.
	QObject::connect(pList, &QListWidget::currentRowChanged, pList, [hWnd] { NotifyIfAsked(hWnd, LBN_SELCHANGE); });
	QObject::connect(pList, &QListWidget::itemDoubleClicked, pList, [hWnd] { NotifyIfAsked(hWnd, LBN_DBLCLK); });
	return pList;
}

namespace
{

QString ItemText(LPARAM lParam)
{
	return QString::fromUtf8(lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : "");
}

// LBS_SORT keeps the strings in case-insensitive order; a new one goes after its equals.
int SortedPosition(QListWidget* pList, const QString& strText)
{
	int nRow = 0;
	while (nRow < pList->count() && QString::compare(pList->item(nRow)->text(), strText, Qt::CaseInsensitive) <= 0)
	{
		++nRow;
	}
	return nRow;
}

LRESULT Insert(QListWidget* pList, int nRow, LPARAM lParam)
{
	if (nRow < 0 || nRow > pList->count())
	{
		nRow = pList->count();
	}
	pList->insertItem(nRow, ItemText(lParam));
	return nRow;
}

LRESULT FindExact(QListWidget* pList, int nStartAfter, LPARAM lParam)
{
	const QString strText = ItemText(lParam);
	const int nCount = pList->count();
	for (int i = 1; i <= nCount; ++i)
	{
		const int nRow = ((nStartAfter < 0 ? -1 : nStartAfter) + i) % nCount;
		if (QString::compare(pList->item(nRow)->text(), strText, Qt::CaseInsensitive) == 0)
		{
			return nRow;
		}
	}
	return LB_ERR;
}

LRESULT GetText(QListWidget* pList, int nRow, LPARAM lParam)
{
	QListWidgetItem* pItem = pList->item(nRow);
	if (pItem == nullptr)
	{
		return LB_ERR;
	}
	const QByteArray text = pItem->text().toUtf8();
	if (lParam != 0)
	{
		std::memcpy(reinterpret_cast<LPTSTR>(lParam), text.constData(), static_cast<size_t>(text.size()) + 1);
	}
	return text.size();
}

LRESULT SetItemHeight(CListBoxWidget* pList, LPARAM lParam)
{
	const int nHeight = static_cast<int>(LOWORD(static_cast<DWORD_PTR>(lParam)));
	if (nHeight > 255)
	{
		return LB_ERR;
	}
	pList->m_nItemHeight = nHeight;
	pList->doItemsLayout();
	return LB_OKAY;
}

// As on Windows the point is first brought inside the client area, which makes it outside.
LRESULT ItemFromPoint(CWindowRecord* pHost, QListWidget* pList, LPARAM lParam)
{
	if (pList->count() == 0)
	{
		return MAKELONG(0xFFFF, 1);
	}
	const CSize client = pHost->ClientSize();
	const CPoint point = AfxPointFromLParam(lParam);
	const CPoint inside(std::clamp<LONG>(point.x, 0, std::max<LONG>(0, client.cx - 1)),
		std::clamp<LONG>(point.y, 0, std::max<LONG>(0, client.cy - 1)));
	bool bOutside = inside != point;
	const CPoint offset = pHost->ClientOffsetInNative();
	QWidget* pViewport = pList->viewport();
	QPoint ptViewport = pViewport->mapFrom(pList, QPoint(inside.x + offset.x, inside.y + offset.y));
	ptViewport.setX(std::clamp(ptViewport.x(), 0, std::max(0, pViewport->width() - 1)));
	ptViewport.setY(std::clamp(ptViewport.y(), 0, std::max(0, pViewport->height() - 1)));
	int nRow = pList->indexAt(ptViewport).row();
	if (nRow < 0)
	{
		nRow = pList->count() - 1;
		bOutside = true;
	}
	return MAKELONG(static_cast<WORD>(nRow), bOutside ? 1 : 0);
}

LRESULT ListMessage(CListBoxWidget* pList, DWORD dwStyle, UINT message, WPARAM wParam, LPARAM lParam)
{
	const int nRow = static_cast<int>(wParam);
	switch (message)
	{
	case LB_ADDSTRING:
		return Insert(pList, (dwStyle & LBS_SORT) != 0 ? SortedPosition(pList, ItemText(lParam)) : -1, lParam);
	case LB_INSERTSTRING:
		return Insert(pList, nRow, lParam);
	case LB_DELETESTRING:
		if (nRow < 0 || nRow >= pList->count())
		{
			return LB_ERR;
		}
		delete pList->takeItem(nRow);
		return pList->count();
	case LB_RESETCONTENT:
		pList->clear();
		return 0;
	case LB_GETCOUNT:
		return pList->count();
	case LB_GETCURSEL:
		return pList->currentItem() != nullptr && pList->currentItem()->isSelected() ? pList->currentRow() : LB_ERR;
	case LB_SETCURSEL:
		if (nRow < 0 || nRow >= pList->count())
		{
			pList->setCurrentRow(-1);
			return nRow == -1 ? 0 : LB_ERR;
		}
		pList->setCurrentRow(nRow);
		pList->scrollToItem(pList->item(nRow));
		return nRow;
	case LB_GETTEXT:
		return GetText(pList, nRow, lParam);
	case LB_GETTEXTLEN:
		return pList->item(nRow) != nullptr ? pList->item(nRow)->text().toUtf8().size() : LB_ERR;
	case LB_SETITEMDATA:
		if (pList->item(nRow) == nullptr)
		{
			return LB_ERR;
		}
		pList->item(nRow)->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(lParam));
		return TRUE;
	case LB_GETITEMDATA:
		return pList->item(nRow) != nullptr ? static_cast<LRESULT>(pList->item(nRow)->data(Qt::UserRole).toLongLong())
											: LB_ERR;
	case LB_FINDSTRINGEXACT:
		return FindExact(pList, nRow, lParam);
	case LB_GETITEMHEIGHT:
		return pList->ItemHeight();
	case LB_SETITEMHEIGHT:
		return SetItemHeight(pList, lParam);
	default:
		return LB_ERR;
	}
}

LRESULT ListBoxWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	CListBoxWidget* pList = ControlWidget<CListBoxWidget>(hWnd);
	if (pList == nullptr)
	{
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
	if (message == LB_ITEMFROMPOINT)
	{
		return ItemFromPoint(pHost, pList, lParam);
	}
	if (message >= LB_ADDSTRING && message <= LB_FINDSTRINGEXACT)
	{
		pList->blockSignals(true);
		const LRESULT lResult = ListMessage(pList, pHost->m_dwStyle, message, wParam, lParam);
		pList->blockSignals(false);
		return lResult;
	}
	switch (message)
	{
	case WM_SETFOCUS:
		NotifyIfAsked(hWnd, LBN_SETFOCUS);
		return 0;
	case WM_KILLFOCUS:
		NotifyIfAsked(hWnd, LBN_KILLFOCUS);
		return 0;
	case WM_GETDLGCODE:
		return DLGC_WANTARROWS | DLGC_WANTCHARS;
	default:
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	}
}

}

void RegisterListBoxClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = ListBoxWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
	wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
	wc.lpszClassName = "LISTBOX";
	RegisterWindowClass(wc, NativeKind::ListBox, TRUE);
}
