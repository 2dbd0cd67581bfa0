#include "platform/ui/table_view.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace lanterncrest;

namespace {

QWidget* headerOfHeight(int height)
{
    auto* header = new QWidget;
    // As a .ui file leaves it: a designed size, no layout to ask.
    header->resize(200, height);
    return header;
}

TEST(TableView, TheHeaderSpansTheTableAndKeepsItsOwnHeight)
{
    TableView table;
    table.resize(375, 667);
    table.show();
    QWidget* header = headerOfHeight(420);
    table.setTableHeaderView(header);

    EXPECT_EQ(table.tableHeaderView(), header);
    EXPECT_EQ(header->parentWidget(), table.viewport());
    EXPECT_TRUE(header->isVisible());
    EXPECT_EQ(header->geometry(), QRect(0, 0, 375, 420));
    EXPECT_EQ(table.verticalScrollBar()->maximum(), 0);

    table.resize(320, 300);
    EXPECT_EQ(header->geometry(), QRect(0, 0, 320, 420));
    // Taller than the table now: it scrolls.
    EXPECT_EQ(table.verticalScrollBar()->maximum(), 120);
    table.verticalScrollBar()->setValue(50);
    EXPECT_EQ(header->geometry(), QRect(0, -50, 320, 420));
}

TEST(TableView, ANewHeaderReplacesAndDeletesTheOldOne)
{
    TableView table;
    table.resize(375, 667);
    table.show();
    QPointer<QWidget> first = headerOfHeight(100);
    table.setTableHeaderView(first);
    QWidget* second = headerOfHeight(50);
    table.setTableHeaderView(second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(table.tableHeaderView(), second);
    EXPECT_EQ(second->geometry(), QRect(0, 0, 375, 50));

    table.setTableHeaderView(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(table.tableHeaderView(), nullptr);
    EXPECT_EQ(table.verticalScrollBar()->maximum(), 0);
}

} // namespace
