// The conduit window's result file, the smallest save of the program: it sits
// whole in a file buffer, so a disk that fills up must still show the save box
// and leave the old file (a short one: a save that fits where the old file stands
// goes into it); a FIFO picked to open shows the open box at once.

#include "form1model.h"
#include "testenv.h"

#include <gtest/gtest.h>

using namespace kb;

TEST(ConduitSave, AFullDiskShowsTheSaveBoxAndKeepsTheOldFile)
{
    test::TestFolder folder;
    Form1Model m;
    m.Text1 = QStringLiteral("二階");
    m.TOROKU_SUU = 3;
    for (int r = 1; r <= 3; ++r)
        m.MSFlexGrid1.setTextMatrix(r, 1, QStringLiteral("CV22-3C"));
    const QString path = folder.path(QStringLiteral("conduit.qvx"));
    const QByteArray old(40, 'o');
    test::writeBytes(path, old);
    m.Label1 = QStringLiteral("before");
    {
        test::FullDisk disk(100);
        folder.fake().fileAnswers << path;
        m.IDM_DSAVE_Click();
        EXPECT_EQ(disk.refusedSaves(), 1);
        EXPECT_EQ(disk.refusedInPlace(), 1);
    }
    EXPECT_EQ(folder.messages(), QStringList{QStringLiteral("エラーが発生しました。IDM_DSAVE")});
    EXPECT_NE(m.Label1, QStringLiteral("計算結果データ－を保存しました。"));
    EXPECT_EQ(test::readBytes(path), old);

    const QString fifo = folder.path(QStringLiteral("fifo.qvx"));
    test::Fifo guard(fifo);
    ASSERT_TRUE(guard.made());
    folder.fake().fileAnswers << fifo;
    m.IDM_DOPEN_Click();
    EXPECT_EQ(folder.messages().last(), QStringLiteral("エラーが発生しました。IDM_DOPEN"));
    EXPECT_EQ(m.Text1, QStringLiteral("二階"));
    EXPECT_FALSE(guard.fired());
}
