// The widget of a LISTBOX window, a QListWidget of strings with item data, and the driver's
// commands to it: items, selection, item height and the item at a point.
#include "framework/core/ControlConstants.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/backend/qt/controls/ControlWidgets.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QStyleOption>
#include <QStyledItemDelegate>

#include <algorithm>

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

CListBoxWidget* List(HWND hWnd)
{
	return ControlWidget<CListBoxWidget>(hWnd);
}

}

QWidget* CreateListBoxWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent)
{
	CListBoxWidget* pList = new CListBoxWidget(pParent);
	pList->setItemDelegate(new CListBoxItemDelegate(pList));
	pList->setSelectionMode((request.dwStyle & LBS_NOSEL) != 0 ? QAbstractItemView::NoSelection
															  : QAbstractItemView::SingleSelection);
	pList->setFrameShape((request.dwStyle & WS_BORDER) != 0 || (request.dwExStyle & WS_EX_CLIENTEDGE) != 0
			? QFrame::StyledPanel
			: QFrame::NoFrame);
	pList->setVerticalScrollBarPolicy((request.dwStyle & WS_VSCROLL) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
	pList->setHorizontalScrollBarPolicy((request.dwStyle & WS_HSCROLL) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
	// The driver's changes block the widget's signals, so only the user's choices are told.
	QObject::connect(pList, &QListWidget::currentRowChanged, pList, [hWnd] { OnToolkitListBoxSelChanged(hWnd); });
	QObject::connect(pList, &QListWidget::itemDoubleClicked, pList, [hWnd] { OnToolkitListBoxDoubleClicked(hWnd); });
	return pList;
}

int CQtDriver::ListBoxCount(HWND hWnd)
{
	CListBoxWidget* pList = List(hWnd);
	return pList != nullptr ? pList->count() : 0;
}

void CQtDriver::InsertListBoxItem(HWND hWnd, int nIndex, const CString& strText)
{
	if (CListBoxWidget* pList = List(hWnd))
	{
		const QSignalBlocker blocker(pList);
		pList->insertItem(nIndex, ToQString(strText));
	}
}

void CQtDriver::DeleteListBoxItem(HWND hWnd, int nIndex)
{
	if (CListBoxWidget* pList = List(hWnd))
	{
		const QSignalBlocker blocker(pList);
		delete pList->takeItem(nIndex);
	}
}

void CQtDriver::ClearListBox(HWND hWnd)
{
	if (CListBoxWidget* pList = List(hWnd))
	{
		const QSignalBlocker blocker(pList);
		pList->clear();
	}
}

CString CQtDriver::ListBoxItemText(HWND hWnd, int nIndex)
{
	CListBoxWidget* pList = List(hWnd);
	QListWidgetItem* pItem = pList != nullptr ? pList->item(nIndex) : nullptr;
	return pItem != nullptr ? FromQString(pItem->text()) : CString();
}

void CQtDriver::SetListBoxItemData(HWND hWnd, int nIndex, DWORD_PTR dwData)
{
	CListBoxWidget* pList = List(hWnd);
	if (QListWidgetItem* pItem = pList != nullptr ? pList->item(nIndex) : nullptr)
	{
		const QSignalBlocker blocker(pList);
		pItem->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(dwData));
	}
}

DWORD_PTR CQtDriver::ListBoxItemData(HWND hWnd, int nIndex)
{
	CListBoxWidget* pList = List(hWnd);
	QListWidgetItem* pItem = pList != nullptr ? pList->item(nIndex) : nullptr;
	return pItem != nullptr ? static_cast<DWORD_PTR>(pItem->data(Qt::UserRole).toULongLong()) : 0;
}

int CQtDriver::ListBoxSelection(HWND hWnd)
{
	CListBoxWidget* pList = List(hWnd);
	return pList != nullptr && pList->currentItem() != nullptr && pList->currentItem()->isSelected()
		? pList->currentRow()
		: -1;
}

void CQtDriver::SelectListBoxItem(HWND hWnd, int nIndex)
{
	CListBoxWidget* pList = List(hWnd);
	if (pList == nullptr)
	{
		return;
	}
	const QSignalBlocker blocker(pList);
	pList->setCurrentRow(nIndex);
	if (QListWidgetItem* pItem = pList->item(nIndex))
	{
		pList->scrollToItem(pItem);
	}
}

int CQtDriver::ListBoxItemHeight(HWND hWnd)
{
	CListBoxWidget* pList = List(hWnd);
	return pList != nullptr ? pList->ItemHeight() : 0;
}

void CQtDriver::SetListBoxItemHeight(HWND hWnd, int nHeight)
{
	if (CListBoxWidget* pList = List(hWnd))
	{
		const QSignalBlocker blocker(pList);
		pList->m_nItemHeight = nHeight;
		pList->doItemsLayout();
	}
}

int CQtDriver::ListBoxItemAt(HWND hWnd, const CPoint& ptClient)
{
	CListBoxWidget* pList = List(hWnd);
	const NativeWindow* pNative = FindNativeWindow(hWnd);
	if (pList == nullptr || pNative == nullptr)
	{
		return -1;
	}
	QWidget* pViewport = pList->viewport();
	QPoint ptViewport = pViewport->mapFrom(pList, QPoint(ptClient.x + pNative->ptClient.x, ptClient.y + pNative->ptClient.y));
	ptViewport.setX(std::clamp(ptViewport.x(), 0, std::max(0, pViewport->width() - 1)));
	ptViewport.setY(std::clamp(ptViewport.y(), 0, std::max(0, pViewport->height() - 1)));
	return pList->indexAt(ptViewport).row();
}

int CQtDriver::CompareTextNoCase(const CString& str1, const CString& str2)
{
	return QString::compare(ToQString(str1), ToQString(str2), Qt::CaseInsensitive);
}
