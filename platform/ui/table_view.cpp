#include "platform/ui/table_view.h"

#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

namespace lanterncrest {

TableView::TableView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TableView::setTableHeaderView(QWidget *header)
{
    if (header == m_header)
        return;
    if (m_header)
        m_header->deleteLater();
    m_header = header;
    // The header keeps the height it was given (by its .ui file, say); only its width follows the
    // table.
    m_headerHeight = header ? std::max(0, header->height()) : 0;
    if (header) {
        header->setParent(viewport());
        header->show();
    }
    layoutHeader();
}

void TableView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    layoutHeader();
}

void TableView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    layoutHeader();
}

void TableView::layoutHeader()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setPageStep(viewport()->height());
    bar->setRange(0, std::max(0, m_headerHeight - viewport()->height()));
    if (m_header)
        m_header->setGeometry(0, -bar->value(), viewport()->width(), m_headerHeight);
}

} // namespace lanterncrest
