// The table view peer: a read-only model that makes the benchmark sheet's texts as they are
// asked for, in a view with the grid's row height, column width, headings and grid lines.
#include "bench/peers/TableViewPeer.h"

#include "bench/GridSheet.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QTableView>

namespace
{
	class SheetModel : public QAbstractTableModel
	{
	public:
		int rowCount(const QModelIndex& parent) const override
		{
			return parent.isValid() ? 0 : static_cast<int>(BENCH_ROWS);
		}

		int columnCount(const QModelIndex& parent) const override
		{
			return parent.isValid() ? 0 : BENCH_COLUMNS;
		}

		QVariant data(const QModelIndex& index, int role) const override
		{
			if (role != Qt::DisplayRole)
				return QVariant();
			char szText[16];
			BenchCellText(index.column(), index.row(), szText, sizeof szText);
			return QString::fromLatin1(szText);
		}
	};
}

struct TableViewPeer::Impl
{
	SheetModel model;
	QTableView view;
	QImage image;
};

TableViewPeer::TableViewPeer() : m_pImpl(new Impl)
{
	QTableView& view = m_pImpl->view;
	view.setModel(&m_pImpl->model);
	view.setFrameShape(QFrame::NoFrame);
	view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
	view.verticalHeader()->setDefaultSectionSize(20);
	view.verticalHeader()->setFixedWidth(40);
	view.horizontalHeader()->setDefaultSectionSize(75);
	view.horizontalHeader()->setFixedHeight(20);
	view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
	view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
	view.resize(BENCH_VIEW_WIDTH + 40 + 20, BENCH_VIEW_HEIGHT + 20);
	view.show();
	// The scroll bar's width depends on the style: grow the view until its viewport is the grid's.
	const QSize shortfall = QSize(BENCH_VIEW_WIDTH, BENCH_VIEW_HEIGHT) - view.viewport()->size();
	view.resize(view.size() + shortfall);
	m_pImpl->image = QImage(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
}

TableViewPeer::~TableViewPeer() = default;

void TableViewPeer::PaintAll()
{
	m_pImpl->view.viewport()->render(&m_pImpl->image);
}

int TableViewPeer::GetViewportWidth() const
{
	return m_pImpl->view.viewport()->width();
}

int TableViewPeer::GetViewportHeight() const
{
	return m_pImpl->view.viewport()->height();
}
