#include "conduitfixture.h"
#include "gridviews.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

struct Loaded : LoadedForm1
{
    void SetUp() override
    {
        LoadedForm1::SetUp();
        registerCables(m, u"IV5.5"_qs);
        registerCables(m, u"CV8-2C"_qs);
        m.Combo1 = u"C"_qs;
        m.Command4_Click();
        m.Command2_Click();
    }
    QStringList sizeColumn() const
    {
        return QStringList{m.MSFlexGrid1.textMatrix(0, 2), m.MSFlexGrid1.textMatrix(1, 2), m.MSFlexGrid1.textMatrix(2, 2)};
    }
};

} // namespace

TEST_F(Loaded, ViewsPutAPropertyIntoTheSizeColumn)
{
    const QString forSize = u"配管サイズを表示する場合は「計算」を押してください。"_qs;
    const struct { const char16_t *action; QStringList column; QString status; } cases[] = {
        {u"IDM_DAN", {u"断面積"_qs, u"19.6"_qs, u"123"_qs}, forSize},
        {u"IDM_GAI", {u"外形寸法"_qs, u"5"_qs, u"12.5"_qs}, forSize},
        {u"IDM_GAILU", {u"外形累計"_qs, u"5"_qs, u"17.5"_qs}, forSize},
        {u"IDM_HOSEI", {u"補正係数"_qs, u"1.2"_qs, u"1"_qs}, u"配管の種類によって補正係数が変わってきます。"_qs},
        {u"IDM_MECA", {u"電線重量g/m"_qs, u"58"_qs, u"210"_qs}, u"断面積を表示する場合は「計算」を押してください。"_qs},
        {u"IDM_JOKE", {u"条　件"_qs, u"1"_qs, u"2"_qs}, forSize},
    };
    for (const auto &c : cases) {
        m.gridView_Click(c.action);
        EXPECT_EQ(sizeColumn(), c.column);
        EXPECT_EQ(m.Label1, c.status);
    }
    ASSERT_EQ(gridViewItems().size(), 6);
    EXPECT_EQ(gridViewItem(u"IDM_MECA")->caption, u"電線重量");
}

TEST_F(Loaded, CumulativeDiameterIsComputedAnewIntoTheRecords)
{
    m.DENSEN_TOROKU[1].cumulativeDiameter = 999;
    m.MSFlexGrid1.setTextMatrix(2, 5, u"kept"_qs);
    m.gridView_Click(u"IDM_GAILU");
    EXPECT_EQ(m.DENSEN_TOROKU[1].cumulativeDiameter, 5.0f);
    EXPECT_EQ(m.DENSEN_TOROKU[2].cumulativeDiameter, 17.5f);
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(2, 5), u"kept");
}

TEST_F(Loaded, GridClearEmptiesColumnsOneToEightOnly)
{
    m.MSFlexGrid1.setTextMatrix(1, 10, u"spare"_qs);
    m.IDM_GRCLIN_Click();
    EXPECT_EQ(m.TOROKU_SUU, 0);
    EXPECT_EQ(gridRow(m, 1), (QStringList{u"1"_qs} << QStringList(8, QString()) << u"1"_qs << u"spare"_qs));
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 2), u"配管サイズ(32%)");
    EXPECT_EQ(m.DENSEN_TOROKU[1].cableName, u"IV5.5");
    m.gridView_Click(u"IDM_DAN"); // no rows: only the heading and the status line
    EXPECT_EQ(sizeColumn(), (QStringList{u"断面積"_qs, QString(), QString()}));
    // Registration starts again at row 1; a reused record shows its old size and factor.
    registerCables(m, u"CV22"_qs);
    EXPECT_EQ(gridRow(m, 1, 1, 7), (QStringList{u"CV22"_qs, u"         ↓   "_qs, QString(), u"11"_qs, QString(), u"95"_qs, u"1.2"_qs}));
}

TEST(Descriptions, ConduitTypes)
{
    EXPECT_EQ(conduitTypeDescription(u"fep"_qs), u"FPE:地中配管用,呼び線が入っています。");
    EXPECT_EQ(conduitTypeDescription(u"Ｃ"_qs), u"Ｃ:薄鋼電線管,埋込配管又は露出配管工事用");
    EXPECT_EQ(conduitTypeDescription(u"METAL"_qs), u"METAL:屋内の露出配管用,A,B型は一種金属線ぴ(32%)、C型は金属ダクト扱い(20%)で計算");
    EXPECT_FALSE(conduitTypeDescription(u"C "_qs));
    EXPECT_FALSE(conduitTypeDescription(QString()));
}

TEST(Descriptions, CableTypesByTheirFirstOrLastCharacters)
{
    const struct { const char16_t *name; const char16_t *text; } cases[] = {
        {u"CVT14", u"600V単芯より合わせ形架橋ポリエチレン絶縁ビニルシースケーブル、CVと同じ特性で端末の作業性が良い"},
        {u"CVVS1.25-2C", u"制御用ビニル絶縁ビニルシースケーブル、600V以下の制御回路配線用遮蔽付"},
        {u"cv5.5-3c", u"600V架橋ポリエチレン絶縁ビニルシースケーブル、低圧の一般電力配線用"},
        {u"FPT8", u"600v低圧耐火単芯より合わせ３芯ケーブル、配管、ダクト及び露出での布設が可能"},
        {u"CPEVS0.9-10P", u"市内対ポリエチレン絶縁ビニルシース遮蔽付ケーブル60V以下の通信用として用いる"},
        {u"5C-HFL", u"テレビ受信用同軸ケーブル、アンテナから機器、テレビ間の宅内配線に使用"},
        {u"S-5C-FB", u"テレビ受信用同軸ケーブル、テレビ受信用及び関連機器間の接続に使用"},
        {u"5C-FB", u"FB同軸ケーブル、アンテナから機器、テレビ間の宅内配線に使用"},
        {u"構内ｹｰﾌﾞﾙ", u"構内用ケーブル、ビル構内及びPBXの配線に使用"},
        {u"A12-1", u"? ケーブル"},
        {u"A8", u"? ケーブル"},
        {u"ENCT5-4P", u"エンハンストカテゴリー5LAN用ツイストペアケーブル"},
        {u"7C-2V", u"高周波同軸ケーブル、アンテナから機器、テレビ間の宅内配線に使用"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cableTypeDescription(QString::fromUtf16(c.name)), QString::fromUtf16(c.text)) << QString::fromUtf16(c.name).toStdString();
    for (const char16_t *none : {u" CV22", u"", u"構内ｹｰﾌﾞﾙ-10P", u"XYZ"})
        EXPECT_FALSE(cableTypeDescription(QString::fromUtf16(none)));
}

TEST_F(Loaded, DescriptionButtonsWriteTheStatusLineOrLeaveIt)
{
    m.Combo1 = u"PRI"_qs;
    m.Command5_Click();
    EXPECT_EQ(m.Label1, u"PRI:二種金属可とう管(プリカチューブ),モーターへの接続など可とう性を要する場所に使用");
    m.Combo3 = u"nothing"_qs;
    m.Command6_Click();
    EXPECT_EQ(m.Label1, u"PRI:二種金属可とう管(プリカチューブ),モーターへの接続など可とう性を要する場所に使用");
    m.Combo3 = u"IV2.0"_qs;
    m.Command6_Click();
    EXPECT_EQ(m.Label1, u"600Vビニル絶縁電線、屋内配線で使用する場合は配管、ダクト等で保護する事");
}
