#include "conduitfixture.h"
#include "fillratio.h"
#include "numtext.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

ConduitSettings settingsOf(const char16_t *mode, const char16_t *wiringCode = u"OFF")
{
    ConduitSettings s;
    s.MENSEKI_MODE = QString::fromUtf16(mode);
    s.NAIKI_SETTEI = QString::fromUtf16(wiringCode);
    s.power = {48, 33, 31};
    s.communication = {50, 40, 30};
    return s;
}

struct Loaded : LoadedForm1
{
    void registerConduit(const QString &type, const QString &maxSize = QString())
    {
        m.Combo1 = type;
        m.Combo6 = maxSize;
        m.Command4_Click();
    }
    QStringList sizes() const
    {
        QStringList names;
        for (int j = 1; j <= m.allowedSizes(); ++j)
            names.append(m.SAIZU_MEI[j] + u'=' + StrSng(m.KYOYOU_MENSEKI[j]));
        return names;
    }
};

} // namespace

TEST(FillRatio, RulesInOrderLaterOnesOverriding)
{
    const struct { int code; bool same; int n; const char16_t *box; const char16_t *mode; const char16_t *naiki; const char16_t *fill; const char16_t *status; } cases[] = {
        {3, false, 5, u"", u"JIDOU", u"OFF", u"31%", u"３芯ケーブルにつき31％に設定した。"},
        {3, true, 1, u"", u"USER", u"OFF", u"31%", u"３芯ケーブルにつき31％に設定した。"},
        {1, false, 3, u"", u"JIDOU", u"OFF", u"31%", u"電力又は弱電ケーブルにつき31％に設定した。"},
        {0, true, 4, u"", u"JIDOU", u"OFF", u"31%", u"電力又は弱電ケーブルにつき31％に設定した。"},
        {4, false, 3, u"", u"JIDOU", u"OFF", u"30%", u"通信ケーブルにつき30％に設定した。"},
        {4, true, 1, u"", u"JIDOU", u"OFF", u"50%", u"国土交通省の通信ケーブルの50％に設定しました。"},
        {4, true, 2, u"", u"JIDOU", u"OFF", u"40%", u"国土交通省の通信ケーブルの40％に設定しました。"},
        {4, false, 2, u"", u"JIDOU", u"OFF", u"30%", u"通信ケーブル２本が同一でない為の30％に設定した。"},
        {1, true, 1, u"", u"JIDOU", u"OFF", u"48%", u"電力又は弱電ケーブル１本時の48％に設定しました。"},
        {2, true, 1, u"", u"JIDOU", u"OFF", u"33%", u"電力又は弱電ケーブル２ＣＸ１本時の33％に設定しました。"},
        {1, true, 2, u"", u"JIDOU", u"OFF", u"33%", u"電力又は弱電ケーブル１ＣＸ２本時の33％に設定しました。"},
        {1, false, 2, u"", u"JIDOU", u"OFF", u"31%", u"電力又は弱電ケーブル２本が同一でない為31％に設定した。"},
        // Pairs of two-core cables or rows without a code take the power group's ratios.
        {2, true, 2, u"", u"JIDOU", u"OFF", u"33%", u"電力又は弱電ケーブル１ＣＸ２本時の33％に設定しました。"},
        {0, false, 2, u"", u"JIDOU", u"OFF", u"31%", u"電力又は弱電ケーブル２本が同一でない為31％に設定した。"},
        // The IV rules of the wiring code hold in every mode and override the others.
        {1, true, 2, u"iv5.5", u"JIDOU", u"ON", u"32%", u"IV電線の２本時の３２％に設定しました。"},
        {1, true, 1, u"IV5.5", u"NINI", u"ON", u"32%", u"IV電線の１本時の３２％に設定しました。"},
        {1, false, 1, u"IV5.5", u"NINI", u"ON", u"32%", u"IV電線の１本時の３２％に設定しました。"},
    };
    for (const auto &c : cases) {
        const FillInputs in{int16_t(c.code), c.same, c.n, QString::fromUtf16(c.box)};
        const auto choice = chooseFillRatio(in, settingsOf(c.mode, c.naiki));
        ASSERT_TRUE(choice) << QString::fromUtf16(c.status).toStdString();
        EXPECT_EQ(choice->fillText, QString::fromUtf16(c.fill));
        EXPECT_EQ(choice->status, QString::fromUtf16(c.status));
    }
}

TEST(FillRatio, NoRuleLeavesTheFillBoxAlone)
{
    const struct { int code; bool same; int n; const char16_t *box; const char16_t *mode; const char16_t *naiki; } cases[] = {
        {1, true, 1, u"IV5.5", u"NINI", u"OFF"},  // free mode, wiring code off
        {1, true, 1, u"CV22", u"NINI", u"ON"},    // not an IV wire
        {1, false, 2, u"IV5.5", u"NINI", u"ON"},  // two different IV names
        {5, true, 1, u"", u"JIDOU", u"OFF"},      // codes of 5 or more switch rules 2 to 10 off
        {1, true, 1, u"", u"", u"OFF"},           // unknown area mode
    };
    for (const auto &c : cases) {
        const FillInputs in{int16_t(c.code), c.same, c.n, QString::fromUtf16(c.box)};
        EXPECT_FALSE(chooseFillRatio(in, settingsOf(c.mode, c.naiki)));
    }
}

TEST(FillRatio, AllowableAreaUsesThreePointOneFourAndRoundsDown)
{
    EXPECT_EQ(allowableArea(16.4, 32), 67.0f);
    EXPECT_EQ(allowableArea(0, 32), 0.0f);
    EXPECT_EQ(allowableArea(16.4, 0), 0.0f);
    EXPECT_EQ(allowableArea(20, 50), 157.0f); // exactly 157, not 156.99...
    EXPECT_EQ(allowableArea(72.2, 32), 1309.0f);
}

TEST(FillRatio, MaximumSizeCutsOffTheLargerSizes)
{
    const ConduitType &c = *conduitType(u"c");
    EXPECT_EQ(cutOffCount(c, u"C(19)"), 6);
    EXPECT_EQ(cutOffCount(c, u"c(63)"), 1);
    EXPECT_EQ(cutOffCount(c, u"C(75)"), 0); // the block's largest
    EXPECT_EQ(cutOffCount(c, u"G(16)"), 0);
    EXPECT_EQ(cutOffCount(c, u"19"), 0);
    EXPECT_EQ(cutOffCount(*conduitType(u"ＭＥＴＡＬ"), u"METAL-A"), 2);
    EXPECT_EQ(conduitTypes().size(), 11);
    EXPECT_EQ(conduitType(u"PF"), nullptr);
}

TEST_F(Loaded, RegisteringAConduitBuildsItsAllowedSizes)
{
    registerCables(m, u"IV5.5"_qs);
    registerConduit(u"c"_qs, u"c(25)  "_qs);
    EXPECT_EQ(m.HAIKAN_SHUBETU, u"c");
    EXPECT_EQ(m.SAIZU_KAISHI, 1);
    EXPECT_EQ(m.SAIZU_SHURYOU, 2);
    EXPECT_EQ(m.Combo7, u"48%");
    EXPECT_EQ(m.DANMEN_RITU, 48);
    EXPECT_EQ(sizes(), (QStringList{u"C(19)=95"_qs, u"C(25)=185"_qs}));
    EXPECT_EQ(m.MSFlexGrid1.textMatrix(0, 2), u"配管サイズ(48%)");
    EXPECT_EQ(m.Label1, u"電力又は弱電ケーブル１本時の48％に設定しました。");
    EXPECT_EQ(m.Command4, u"登録完了");

    registerConduit(u"G"_qs); // all ten sizes
    EXPECT_EQ(sizes().first(), u"G(16)=101");
    EXPECT_EQ(sizes().size(), 10);
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(Loaded, PfcdCapAndMetalNote)
{
    registerCables(m, u"CV22"_qs, 3);
    m.IDM_PFSETTI_Click();
    registerConduit(u"PF-CD"_qs);
    EXPECT_EQ(m.Combo6, u"PF-CD(28)");
    EXPECT_EQ(sizes().size(), 4);
    EXPECT_EQ(m.Label1, u"配管サイズの上限をPF-CD(28)に設定しました。");
    registerConduit(u"PF-CD"_qs, u"PF-CD(16)"_qs); // another cap in force: no such message
    EXPECT_EQ(sizes().size(), 2);
    EXPECT_EQ(m.Label1, u"電力又は弱電ケーブルにつき32％に設定した。");
    m.IDM_PFKAIJO_Click();
    registerConduit(u"PF-CD"_qs);
    EXPECT_EQ(m.Combo6, u"");
    EXPECT_EQ(sizes().size(), 7);

    registerConduit(u"METAL"_qs);
    EXPECT_EQ(folder.messages(), QStringList{u"A,B型は一種金属線ぴ扱い(32%)、C型は金属ダクト扱い(20%)で計算して下さい。"_qs});
    EXPECT_EQ(sizes(), (QStringList{u"METAL-A=25"_qs, u"METAL-B=49"_qs, u"METAL-C=196"_qs}));

    // The note and the cap test the box as it reads; the registered type drops the blanks.
    registerConduit(u"METAL "_qs);
    EXPECT_EQ(folder.messages().size(), 1);
    EXPECT_EQ(m.HAIKAN_SHUBETU, u"METAL");
    m.IDM_PFSETTI_Click();
    registerConduit(u"PF-CD "_qs);
    EXPECT_EQ(m.Combo6, u"");
    EXPECT_EQ(sizes().size(), 7);
}

TEST_F(Loaded, RefusedConduitRegistrations)
{
    m.Combo3.clear();
    registerConduit(QString());
    EXPECT_EQ(m.focusRequest, u"Combo3");
    registerConduit(u"E"_qs); // no cable yet: the conduit registers all the same
    EXPECT_EQ(m.Command4, u"登録完了");
    registerCables(m, u"IV2.0"_qs);
    registerConduit(u"C"_qs);
    m.focusRequest.clear();
    registerConduit(QString());
    EXPECT_EQ(m.focusRequest, u"Combo1");
    registerConduit(u"XYZ"_qs); // no type: the previous registration stays whole
    EXPECT_EQ(folder.messages(), (QStringList{u"電線を先に登録してから配管を登録してください。"_qs,
                                              u"配管種別を入力してください。"_qs, u"配管種別を入力してください。"_qs}));
    EXPECT_EQ(m.HAIKAN_SHUBETU, u"C");
    EXPECT_EQ(m.allowedSizes(), 7);
}

TEST_F(Loaded, FreeModeKeepsTheUsersChoiceAndOverflowsAreBoxed)
{
    m.IDM_SANTENOFF_Click();
    registerCables(m, u"IV2.0"_qs);
    m.Combo7 = u"25%"_qs;
    registerConduit(u"C"_qs);
    EXPECT_EQ(m.DANMEN_RITU, 25);
    EXPECT_EQ(m.Label1, u"");

    m.Combo7.clear();
    registerConduit(u"C"_qs);
    EXPECT_EQ(m.Label1, u"断面積を設定して下さい。");
    EXPECT_EQ(m.DANMEN_RITU, 0);
    EXPECT_EQ(sizes().first(), u"C(19)=0");

    m.Combo7 = u"40000%"_qs;
    m.Command4 = u"配管登録"_qs;
    registerConduit(u"C"_qs);
    EXPECT_EQ(folder.messages(), (QStringList{u"エラーが発生しました。KOKUDO_KEISAN"_qs, u"エラーが発生しました。Command4_Click"_qs}));
    EXPECT_EQ(m.Command4, u"配管登録");

    m.Combo7 = u"32%"_qs;
    m.MSFlexGrid1.setTextMatrix(1, 9, u"99999"_qs); // a condition code beyond 16 bits
    registerConduit(u"C"_qs);
    EXPECT_EQ(folder.messages().size(), 3);
    EXPECT_EQ(m.DANMEN_RITU, 32);
    EXPECT_EQ(m.Command4, u"登録完了");
}
