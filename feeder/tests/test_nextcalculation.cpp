// 次の計算 in the three feeder windows moves the data number past every row that
// holds data, so that a row read back above them is never written over by the
// next load's calculation.

#include "form11model.h"
#include "form12model.h"
#include "form7model.h"
#include "feederstep.h"
#include "feedertest.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kb;
using namespace kb::feeder;

namespace {

// What the table drives in each window.
struct Window
{
    GridModel &grid;
    QString &dataNo;
    std::function<void()> next;
    std::function<void(int)> readBack; // a click on the row, then データ読込み
};

template<class Model>
Window windowOf(Model &m)
{
    return {m.MSFlexGrid1, m.Text2, [&m] { m.Command2_Click(); },
            [&m](int row) {
                m.MSFlexGrid1.setRow(row);
                m.MSFlexGrid1_Click();
                m.Command5_Click();
            }};
}

} // namespace

TEST(NextCalculation, TakesTheRowAfterTheLastRowThatHoldsData)
{
    struct Case
    {
        const char *name;
        std::vector<int> stored; // rows holding a result
        int readBack;            // the row read back first, 0 for none
        const char *dataNo, *next;
    };
    const Case cases[] = {
        {"fresh grid", {}, 0, "1", "2"},
        {"after the last stored row", {1, 2}, 0, "2", "3"},
        {"a row read back above a stored one", {1, 2}, 1, "", "3"},
        {"a row read back above a gap and a row far down", {1, 2, 40}, 2, "", "41"},
        {"a typed number below the stored rows", {1, 2, 3}, 0, "1", "4"},
        {"a typed number past the stored rows", {1, 2}, 0, "7", "8"},
    };
    for (const Case &c : cases) {
        test::TestFolder folder;
        Form7Model motor;
        Form11Model package;
        Form12Model lamp;
        motor.layOutGrid();
        package.layOutGrid();
        package.setDefaults();
        lamp.setDefaults();
        for (const Window &w : {windowOf(motor), windowOf(package), windowOf(lamp)}) {
            SCOPED_TRACE(c.name);
            numberRows(w.grid, 100);
            for (int r : c.stored)
                w.grid.setTextMatrix(r, 3, QStringLiteral("stored"));
            w.dataNo = QString::fromUtf8(c.dataNo);
            if (c.readBack) {
                w.readBack(c.readBack);
                ASSERT_EQ(w.dataNo, QString::number(c.readBack));
            }
            w.next();
            EXPECT_EQ(w.dataNo, QString::fromUtf8(c.next));
        }
        EXPECT_EQ(folder.messages(), QStringList());
    }
}
