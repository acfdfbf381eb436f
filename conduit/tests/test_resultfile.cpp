#include "conduitfixture.h"
#include "conduitresultfile.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

QByteArray record(const QByteArray &text)
{
    return text + QByteArray(kRecordSize - text.size(), ' ');
}

struct Loaded : LoadedForm1
{
    QString file;
    void SetUp() override
    {
        LoadedForm1::SetUp();
        file = folder.path(u"result.qvx"_qs);
    }
    void save()
    {
        folder.fake().fileAnswers.append(file);
        m.IDM_DSAVE_Click();
    }
    void open()
    {
        folder.fake().fileAnswers.append(file);
        m.IDM_DOPEN_Click();
    }
    void calculated(int cables)
    {
        registerCables(m, u"CV22"_qs, cables);
        m.Combo1 = u"C"_qs;
        m.Command4_Click();
        m.Command2_Click();
    }
};

} // namespace

TEST(ConduitResultFileFormat, HeaderNumbersAreTenCharactersWithTheSignPlace)
{
    EXPECT_EQ(ConduitResultFile::headerNumber(3), u" 3        ");
    EXPECT_EQ(ConduitResultFile::headerNumber(100), u" 100      ");
    EXPECT_EQ(ConduitResultFile::headerNumber(-5), u"-5        ");
}

TEST_F(Loaded, SaveWritesTheHeaderAndEightCellsPerRowAsBytes)
{
    m.Text1 = u"DATA 1  "_qs;
    calculated(2);
    save();
    EXPECT_EQ(m.Label1, u"計算結果データ－を保存しました。");
    EXPECT_EQ(folder.fake().fileTitles, QStringList{u"ファイルを保存する。"_qs});
    const QByteArray bytes = readBytes(file);
    ASSERT_EQ(bytes.size(), 24 * kRecordSize);
    EXPECT_EQ(bytes.left(3 * kRecordSize), record("DATA 1") + record(" 2") + record(" 32"));
    EXPECT_EQ(bytes.mid(3 * kRecordSize, 5 * kRecordSize), QByteArray(5 * kRecordSize, ' '));
    EXPECT_EQ(bytes.mid(8 * kRecordSize, 8 * kRecordSize),
              record("CV22") + encodeCell(u"         ↓   "_qs) + record("95") + record("11") + record("11") + record("95")
                  + record("1") + record("250"));
    EXPECT_EQ(bytes.mid(17 * kRecordSize, kRecordSize), record("     C(31)"));
    open(); // inner blanks do not come back
    EXPECT_EQ(m.Text1, u"DATA1");
}

TEST_F(Loaded, SaveKeepsTheReservedRecordsAndTheOldTail)
{
    QByteArray old;
    for (int i = 0; i < 30 * 8; ++i)
        old += record("old" + QByteArray::number(i));
    old[3 * kRecordSize + 39] = '\0'; // reserved records keep even odd bytes
    writeBytes(file, old);
    calculated(1);
    save();
    const QByteArray bytes = readBytes(file);
    ASSERT_EQ(bytes.size(), old.size());
    EXPECT_EQ(bytes.mid(3 * kRecordSize, 5 * kRecordSize), old.mid(3 * kRecordSize, 5 * kRecordSize));
    EXPECT_EQ(bytes.mid(16 * kRecordSize), old.mid(16 * kRecordSize));
    EXPECT_EQ(bytes.mid(8 * kRecordSize, kRecordSize), record("CV22"));

    // Opening shows the saved row, while registration rows 2 on take the old file rows.
    open();
    EXPECT_EQ(m.TOROKU_SUU, 1);
    EXPECT_EQ(m.DENSEN_TOROKU[2].cableName, u"old16");
}

TEST_F(Loaded, OpenRestoresTheGridAndTheRecords)
{
    m.Text1 = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_qs;
    calculated(3);
    save();
    m.Command3_Click();
    m.MSFlexGrid1.setTextMatrix(4, 1, u"left over"_qs);
    m.MSFlexGrid1.setTextMatrix(1, 9, u"code"_qs);
    m.MSFlexGrid1.setRow(60);
    m.MSFlexGrid1.setCol(10);
    open();
    EXPECT_EQ(m.MSFlexGrid1.row(), 1); // the view shows the top
    EXPECT_EQ(m.MSFlexGrid1.col(), 1);
    EXPECT_EQ(folder.fake().fileTitles.last(), u"ファイルを開く");
    EXPECT_EQ(m.Text1, u"ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(m.TOROKU_SUU, 3);
    EXPECT_EQ(m.DANMEN_RITU, 32);
    EXPECT_EQ(m.Combo7, u"32%");
    EXPECT_EQ(m.Combo5, u"");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 2), u"配管サイズ(32%)");
    EXPECT_EQ(gridRow(m, 1, 0, 9), (QStringList{u"1"_qs, u"CV22"_qs, u"        ↓"_qs, u"95"_qs, u"11"_qs, u"11"_qs, u"95"_qs, u"1"_qs, u"250"_qs, u"1"_qs})); // CV22's own code
    EXPECT_EQ(gridRow(m, 3, 2, 3), (QStringList{u"        C(39)"_qs, u"285"_qs}));
    EXPECT_EQ(gridRow(m, 4, 1, 1), QStringList{u"left over"_qs});
    EXPECT_EQ(m.DENSEN_TOROKU[3].sizeText, u"C(39)");
    EXPECT_EQ(m.DENSEN_TOROKU[3].weight, 250.0f);
    EXPECT_EQ(m.Label1, u"配管サイズを変える場合は「電線登録」ボタンを押してから配管を設定して「配管登録」ボタンを押した後「計算」を押して下さい。");
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Loaded, EmptyListRoundTripsAndCannotBeCalculated)
{
    save();
    EXPECT_EQ(readBytes(file).size(), 3 * kRecordSize);
    EXPECT_EQ(m.Label1, u"計算結果データ－を保存しました。");
    m.Text1 = u"x"_qs;
    open();
    EXPECT_EQ(m.TOROKU_SUU, 0);
    EXPECT_EQ(m.Text1, u"データ名称を入力してください。");
    m.Combo1 = u"C"_qs;
    m.Command4_Click();
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{u"先に電線・ケーブルを登録して下さい｡"_qs});
}

TEST_F(Loaded, AHundredRowsRoundTrip)
{
    for (int i = 0; i < 4; ++i)
        registerCables(m, u"IV2.0"_qs, 25);
    save();
    EXPECT_EQ(readBytes(file).size(), 808 * kRecordSize);
    m.Command3_Click();
    open();
    EXPECT_EQ(m.TOROKU_SUU, 100);
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(100, 1), u"IV2.0");
}

TEST_F(Loaded, SaveStatusLineAndFailures)
{
    m.Text1 = u"D 1"_qs;
    registerCables(m, u"IV2.0"_qs, 2);
    m.IDM_DSAVE_Click(); // cancelled: the summary stays, nothing written
    EXPECT_EQ(m.Label1, u"データ－NO=D 1です。  電線本数 DC=2です。  ％断面積 PSC=32です。");
    EXPECT_FALSE(QFile::exists(file));
    m.MSFlexGrid1.setTextMatrix(1, 8, u"★☃"_qs); // no code page 932 form
    save();
    EXPECT_FALSE(QFile::exists(file));
    m.IDM_DOPEN_Click();
    EXPECT_EQ(folder.messages(), (QStringList{u"エラーが発生しました。IDM_DSAVE"_qs, u"エラーが発生しました。IDM_DSAVE"_qs,
                                              u"エラーが発生しました。IDM_DOPEN"_qs}));
}

TEST_F(Loaded, OpenRefusesCountsOutsideTheListBeforeChangingAnything)
{
    registerCables(m, u"IV2.0"_qs);
    for (const char *count : {"101", "-1", "40000"}) {
        writeRecords(file, {u"other"_qs, QString::fromLatin1(count), u"32"_qs, {}, {}, {}, {}, {}, u"X"_qs});
        m.Label1 = u"before"_qs;
        open();
        EXPECT_EQ(m.Label1, u"before");
        EXPECT_EQ(m.Text1, u"データ名称を入力してください。");
        EXPECT_EQ(m.TOROKU_SUU, 1);
        EXPECT_EQ(m.DENSEN_TOROKU[1].cableName, u"IV2.0");
    }
    writeRecords(file, {u"other"_qs, u"1"_qs, u"99999"_qs});
    open();
    EXPECT_EQ(folder.messages(), QStringList(4, u"エラーが発生しました。IDM_DOPEN"_qs));
    EXPECT_EQ(m.Text1, u"データ名称を入力してください。");

    writeRecords(file, {u"other"_qs, u"1"_qs, u"40"_qs, {}, {}, {}, {}, {}, u"X"_qs});
    open();
    EXPECT_EQ(m.Label1, u"配管サイズを変える場合は「電線登録」ボタンを押してから配管を設定して「配管登録」ボタンを押した後「計算」を押して下さい。");
    EXPECT_EQ(m.Combo7, u"40%");
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 1), u"X");
}

// An opened row carries its own cable's condition code and weight, looked up again by its name,
// so the conduit registration and 計算 after 開く work on the opened cables, not on those
// registered before. A name the database no longer holds keeps the file's weight and no code.
TEST_F(Loaded, OpenedRowsTakeTheirOwnCodeAndWeightByName)
{
    m.Combo3 = u"IV2.0"_qs;
    m.Combo5 = u"1"_qs;
    m.Command1_Click();
    m.Combo1 = u"C"_qs;
    m.Command4_Click();
    ASSERT_EQ(m.Combo7, u"48%");
    m.Command2_Click();
    save();
    m.Command3_Click();
    registerCables(m, u"CV5.5-3C"_qs);
    open();
    EXPECT_EQ(gridRow(m, 1, 1, 1), QStringList{u"IV2.0"_qs});
    EXPECT_EQ(gridRow(m, 1, 9, 9), QStringList{u"1"_qs});
    m.Combo1 = u"C"_qs;
    m.Command4_Click();
    EXPECT_EQ(m.Combo7, u"48%");
    EXPECT_EQ(m.Label1, u"電力又は弱電ケーブル１本時の48％に設定しました。");
    m.Command2_Click();
    EXPECT_EQ(gridRow(m, 1, 8, 9), (QStringList{u"24"_qs, u"1"_qs}));

    // A file of the project's own writer: a cable of the database and one it no longer holds.
    const QStringList cells = {u"CV5.5-3C"_qs, QString(), u"133"_qs, u"13"_qs, u"13"_qs, u"133"_qs, u"1"_qs, u"260"_qs,
                               u"GONE-3C"_qs, QString(), u"266"_qs, u"14"_qs, u"27"_qs, u"133"_qs, u"1"_qs, u"99"_qs};
    ConduitResultFile::save(file, u"two"_qs, 2, 32, cells);
    open();
    EXPECT_EQ(gridRow(m, 1, 8, 9), (QStringList{u"260"_qs, u"3"_qs}));
    EXPECT_EQ(gridRow(m, 2, 8, 9), (QStringList{u"99"_qs, QString()}));
    m.Command4_Click();
    EXPECT_EQ(m.Label1, u"３芯ケーブルにつき32％に設定した。");
    m.Command2_Click();
    EXPECT_EQ(gridRow(m, 1, 8, 9), (QStringList{u"260"_qs, u"3"_qs}));
    EXPECT_EQ(gridRow(m, 2, 8, 9), (QStringList{u"99"_qs, QString()}));
    EXPECT_TRUE(folder.messages().isEmpty());
}
