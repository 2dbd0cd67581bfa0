#include "platform/ui/table_view.h"

#include <QScrollBar>

#include <gtest/gtest.h>

using namespace lanterncrest;

namespace {

TEST(TableView, TheHeaderSpansTheTableKeepsItsHeightAndScrollsWhenTaller)
{
    TableView table;
    table.resize(375, 667);
    table.show();
    auto *header = new QWidget;
    header->resize(200, 420); // as a .ui file leaves it: a designed size, no layout to ask
    table.setTableHeaderView(header);
    EXPECT_EQ(header->parentWidget(), table.viewport());
    EXPECT_EQ(header->geometry(), QRect(0, 0, 375, 420));
    EXPECT_EQ(table.verticalScrollBar()->maximum(), 0);

    table.resize(320, 300);
    EXPECT_EQ(table.verticalScrollBar()->maximum(), 120);
    table.verticalScrollBar()->setValue(50);
    EXPECT_EQ(header->geometry(), QRect(0, -50, 320, 420));
}

} // namespace
