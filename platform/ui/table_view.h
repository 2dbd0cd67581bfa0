#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <QWidget>

namespace lanterncrest {

// A table with one empty section: all it shows is its header view, at the top, as wide as the
// table and as high as the header was when it was set. It scrolls when the header is taller
// than the table.
class TableView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit TableView(QWidget *parent = nullptr);

    // The table takes the header and deletes the one it replaces; null removes it.
    void setTableHeaderView(QWidget *header);
    QWidget *tableHeaderView() const { return m_header; }

    // One section of no rows, whatever is asked: a host that asks the profile's table as it
    // would any table learns that it has nothing below its header.
    int numberOfSections() const { return 1; }
    int numberOfRowsInSection(int /*section*/) const { return 0; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void layoutHeader();

    QPointer<QWidget> m_header;
    int m_headerHeight = 0;
};

} // namespace lanterncrest
