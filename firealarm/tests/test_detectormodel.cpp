// The detector calculators' state and procedures, driven without a window:
// load, look-up, room lists, the calculation road with its refusals, and the
// grid-row commands. Message boxes are recorded in order.

#include "cellfile.h"
#include "detectormodel.h"
#include "refdata.h"
#include "resultfile.h"
#include "testenv.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace kb;
using namespace kb::fa;

namespace {

QString err(const char *tag) { return QStringLiteral("エラーが発生しました。") + QString::fromLatin1(tag); }

// A small database: sites in rows 2 and 11..12, rooms from row 51 ended by END.
TextTable smallDatabase()
{
    TextTable t = emptyTable(db::Kahou);
    auto row = [&t](int r, QStringList cells) {
        for (int c = 0; c < cells.size(); ++c)
            t.set(c + 1, r, cells.at(c));
    };
    row(2, {"標準", "その他", "2", "2", "2", "2", "差動スポット", "4m未満", "0.4m未満"});
    row(11, {"本社ビル", "耐火", "1", "1", "1", "1", "煙感知器", "4m-8m未満", "0.6m未満"});
    row(12, {"倉庫", "耐火", "3", "2", "3", "2", "", "", ""});
    row(51, {"事務室", "S", "4m未満", "0.4m未満", "0"});
    row(52, {"湯沸室", "T", "4m未満", "0.4m未満", "1"});
    row(53, {"便所", "X", "4m未満", "0.4m未満"});
    row(54, {"機械室", "D", "", "0.4m未満"});
    row(55, {"END"});
    row(56, {"後の部屋", "S", "4m未満", "0.4m未満"});
    return t;
}

class Model : public ::testing::Test
{
protected:
    ScopedFakeDialogs fake;
    DetectorState state;
    std::unique_ptr<DetectorModel> m;

    DetectorModel &open(const DetectorVariant &v)
    {
        m = std::make_unique<DetectorModel>(v, state);
        m->loadControls();
        m->KAHOU_DATA = smallDatabase();
        m->loadLists();
        return *m;
    }
    QStringList boxes()
    {
        QStringList out = fake->messages;
        fake->messages.clear();
        return out;
    }
    // A room ready for 計算.
    void room(const char *width, const char *depth, const char16_t *type, int cls, int structure,
              const char16_t *ceiling = u"4m未満", const char16_t *beam = u"0.4m未満")
    {
        m->Combo4 = QStringLiteral("本社ビル");
        m->Combo5 = QStringLiteral("事務室");
        m->Text4 = QString::fromLatin1(width);
        m->Text5 = QString::fromLatin1(depth);
        m->Combo1 = QString::fromUtf16(type);
        m->Combo2 = QString::fromUtf16(ceiling);
        m->Combo3 = QString::fromUtf16(beam);
        m->Option1 = cls;
        m->Option2 = structure;
    }
    QStringList gridRow(int r) const
    {
        QStringList out;
        for (int c = 1; c <= 15; ++c)
            out << m->MSFlexGrid1.textMatrix(r, c);
        return out;
    }
};

TEST_F(Model, LoadReadsTheDatabaseAndBuildsListsAndGrid)
{
    test::TestFolder folder;
    TextTable t = smallDatabase();
    t.set(1, 13, QStringLiteral("工場"));
    t.set(1, 15, QStringLiteral("見えない現場")); // after the first empty name
    t.set(1, 57, QStringLiteral("会 議 室"));
    writeTable(databasePath(db::Kahou), 300, 10, t);
    DetectorModel model(ordinaryRoom(), state);
    model.Form_Load();
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(model.Combo4Items, (QStringList{"本社ビル", "倉庫", "工場", ""}));
    EXPECT_EQ(model.Combo5Items.mid(4, 3), (QStringList{"END", "後の部屋", "会議室"}));
    EXPECT_EQ(model.Combo5Items.last(), QString());
    EXPECT_EQ(model.Text1, "1");
    EXPECT_FALSE(model.Text3Enabled || model.Text6Enabled || model.Text7Enabled);
    EXPECT_EQ(model.MSFlexGrid1.textMatrix(0, 1), QStringLiteral("   現  場  名  称            "));
    EXPECT_EQ(model.MSFlexGrid1.textMatrix(30, 0), "30");
    EXPECT_EQ(model.MSFlexGrid1.textMatrix(31, 0), "");
    EXPECT_EQ(model.MSFlexGrid1.colWidth(3), 1000);

    DetectorModel narrow(narrowRoom(), state);
    narrow.Form_Load();
    EXPECT_EQ(narrow.MSFlexGrid1.textMatrix(0, 4), QStringLiteral(" 歩行距離(m)"));
    EXPECT_EQ(narrow.MSFlexGrid1.colWidth(4), 1500);
}

TEST_F(Model, LoadWithoutDatabaseShowsNothingAndListsOneEmptyItem)
{
    test::TestFolder folder;
    DetectorModel model(singleRoom(), state);
    model.Form_Load();
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(model.Combo4Items, QStringList{""});
    EXPECT_EQ(model.Combo5Items, QStringList{""});
    EXPECT_EQ(model.MSFlexGrid1.textMatrix(0, 13), QStringLiteral("小区画面積(㎡) "));
}

TEST_F(Model, LookUpPresetsFromSiteAndRoom)
{
    open(ordinaryRoom());
    m->Combo4 = QStringLiteral("  本社ビル ");
    m->Combo5 = QStringLiteral("湯沸室");
    m->Text4 = "10";
    m->Text5 = "50.01";
    m->Option1 = 3;
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"注意：５０ｍを超える場合は警戒区域を分ける必要があります。"});
    EXPECT_EQ(m->Combo1, "定温スポット");
    EXPECT_EQ(m->Option1, 0); // fixed-temperature class 1 of the site: 特種
    EXPECT_EQ(m->Option2, 0);
    EXPECT_EQ(m->Label16, "感知器、天井及び梁の高さを確認後「計算」をクリックして下さい。");

    // Unknown site: row 2 (その他); unknown code: no type, ３種 stays.
    m->Option1 = 3;
    m->Combo4 = "どこか";
    m->Combo5 = "便所";
    m->Text5 = "50";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"該当する現場名称がありません、手入力して下さい。"});
    EXPECT_EQ(m->Option2, 1);
    EXPECT_EQ(m->Combo1, "");
    EXPECT_EQ(m->Option1, 3);
    EXPECT_EQ(m->Label16, "現場名称、部屋名称、間口、奥行を入力後「計算」をクリックして下さい。");
}

TEST_F(Model, LookUpRefusalsAndFailures)
{
    open(ordinaryRoom());
    m->Combo4 = "本社ビル";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"現場名称及び部屋名称を入力して下さい。"});
    m->Combo5 = "後の部屋"; // after the END row: not found, site defaults
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"間口及び奥行き寸法を入力して下さい。"});
    m->Text4 = "5";
    m->Text5 = "-5";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"間口及び奥行き寸法を入力して下さい。"});
    m->Text5 = "5";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"該当する部屋名称がありません、手入力して下さい。"});
    EXPECT_EQ(m->Combo1, "煙感知器");
    EXPECT_EQ(m->Combo2, "4m-8m未満");
    EXPECT_EQ(m->Combo1, "煙感知器");

    m->Combo5 = "機械室"; // empty ceiling
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"天井又は梁の高さを入力して下さい。-C"});
    m->Combo5 = "end"; // the END row itself matches as a room
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"天井又は梁の高さを入力して下さい。-C"});

    m->KAHOU_DATA.set(2, 11, "鉄骨");
    m->Combo5 = "事務室";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"防火対象物の種別を選択して下さい。-B"});
    EXPECT_EQ(m->Option1, 1); // smoke class 1 preset before the refusal

    m->KAHOU_DATA.set(1, 55, "");
    m->Combo5 = "無い部屋";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{err("Command3")});

    // A size that is no number asks for the sizes, as an empty one does, whatever the other holds.
    m->Text4 = "abc";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"間口及び奥行き寸法を入力して下さい。"});
    m->Text4 = "60";
    m->Text5 = "abc";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"間口及び奥行き寸法を入力して下さい。"});

    open(singleRoom());
    m->Combo4 = "本社ビル";
    m->Combo5 = "事務室";
    m->Text4 = "abc";
    m->Text5 = "x";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"間口及び奥行き寸法を入力して下さい。"});
    m->Text4 = "2";
    m->Text5 = "3";
    m->Command3_Click();
    EXPECT_EQ(boxes(), QStringList{"小区画の面積を入力して下さい。"});
    m->Text2 = "4";
    m->Command3_Click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(m->Combo3, "0.4m未満");
}

// 検索 after a calculation on a database with no end of the room records, or with a fallback site
// record that could not be read whole. With no end, the look-up still resets first, so no figure
// of the calculation stays beside the new names, then fails with its box. A damaged fallback
// record refuses with the site box alone and changes nothing.
TEST_F(Model, LookUpOverAnIncompleteDatabaseLeavesNoFigureOfTheCalculationBefore)
{
    // What the window shows after the look-up.
    struct Shown
    {
        QStringList boxes;
        int cls, structure;
        QStringList boxTexts; // Text3, Text6, Text7, Combo1, Combo2, Combo3, Label16
        bool operator==(const Shown &) const = default;
    };
    const auto noDatabase = [](TextTable &t) { t = emptyTable(db::Kahou); };
    const auto cutBeforeTheEnd = [](TextTable &t) {
        for (int r = 55; r <= 300; ++r)
            t.set(1, r, QString());
    };
    const auto damagedFallback = [](TextTable &t) { t.set(4, 2, u"2"_qs + QChar(0xFFFD)); };
    const QString noSite = u"該当する現場名称がありません、手入力して下さい。"_qs;
    const QString prompt = u"現場名称、部屋名称、間口、奥行を入力後「計算」をクリックして下さい。"_qs;
    const QStringList reset{"", "", "", "", "", "", prompt};
    const QStringList calculated{"150", "96", "1", "煙感知器", "4m未満", "0.6m未満",
                                 "設定を変更して再計算出来ます。詳細は画面を拡大してご覧下さい。"};
    const struct
    {
        const char *name;
        std::function<void(TextTable &)> database;
        const char16_t *site, *room;
        Shown shown;
    } cases[] = {
        {"no database", noDatabase, u"本社ビル", u"事務室", {{noSite, err("Command3")}, -1, -1, reset}},
        // The site's structure is preset before the room look-up fails.
        {"rooms cut before their end", cutBeforeTheEnd, u"本社ビル", u"無い部屋", {{err("Command3")}, -1, 0, reset}},
        {"rooms cut before their end, room found", cutBeforeTheEnd, u"本社ビル", u"事務室",
         {{}, 1, 0, {"", "", "", "煙感知器", "4m未満", "0.4m未満", prompt}}},
        {"damaged fallback site", damagedFallback, u"無い現場", u"事務室", {{noSite}, 2, 0, calculated}},
        {"damaged fallback site, site found", damagedFallback, u"本社ビル", u"事務室",
         {{}, 1, 0, {"", "", "", "煙感知器", "4m未満", "0.4m未満", prompt}}},
        {"intact fallback site", [](TextTable &) {}, u"無い現場", u"事務室",
         {{noSite}, 2, 1, {"", "", "", "煙感知器", "4m未満", "0.4m未満", prompt}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        open(ordinaryRoom());
        room("12", "8", u"煙感知器", 2, 0, u"4m未満", u"0.6m未満");
        m->Command2_Click();
        ASSERT_TRUE(boxes().isEmpty());
        ASSERT_EQ(m->Text7, "1");
        c.database(m->KAHOU_DATA);
        m->Combo4 = QString::fromUtf16(c.site);
        m->Combo5 = QString::fromUtf16(c.room);
        m->Command3_Click();
        const Shown shown{boxes(), m->Option1, m->Option2, {m->Text3, m->Text6, m->Text7, m->Combo1, m->Combo2, m->Combo3, m->Label16}};
        EXPECT_EQ(shown.boxes, c.shown.boxes);
        EXPECT_EQ(shown.cls, c.shown.cls);
        EXPECT_EQ(shown.structure, c.shown.structure);
        EXPECT_EQ(shown.boxTexts, c.shown.boxTexts);
    }

    // The other windows reset their own result boxes before the failure.
    for (const DetectorVariant *v : {&narrowRoom(), &rowOfRooms(), &singleRoom()}) {
        SCOPED_TRACE(v->formName);
        open(*v);
        m->KAHOU_DATA = emptyTable(db::Kahou);
        m->Combo4 = u"本社ビル"_qs;
        m->Combo5 = u"事務室"_qs;
        m->Text2 = m->Text4 = m->Text5 = u"8"_qs;
        m->Text3 = m->Text6 = m->Text7 = u"9"_qs;
        m->Option1 = 1;
        m->Option2 = 0;
        m->Command3_Click();
        EXPECT_EQ(boxes(), (QStringList{noSite, err("Command3")}));
        EXPECT_EQ(m->Text3 + m->Text7, "");
        EXPECT_EQ(m->Option1, -1);
        EXPECT_EQ(m->Option2, -1);
    }
}

TEST_F(Model, CalculationWritesTheRoomRow)
{
    open(ordinaryRoom());
    room("10", "15", u"煙感知器", 1, 0);
    m->Command2_Click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(m->Text6, "150");
    EXPECT_EQ(m->Text3, "150");
    EXPECT_EQ(m->Text7, "1");
    EXPECT_TRUE(m->Text7Enabled);
    EXPECT_EQ(gridRow(1), (QStringList{"本社ビル", "事務室", "10", "15", "4m未満", "0.6m未満", "煙感知器", "１種", "150", "1",
                                       "耐火", "150", "-----", "-----", "-----"}));
    EXPECT_EQ(m->Label16, "設定を変更して再計算出来ます。詳細は画面を拡大してご覧下さい。");

    room("10", "15.1", u"差動スポット", 2, 1);
    m->Text1 = "12";
    m->Command2_Click();
    EXPECT_EQ(m->Text7, "4"); // 151 m² at 40 m² per detector
    EXPECT_EQ(gridRow(12).at(10), "その他");

    m->Text1 = "3.5";
    m->Command2_Click();
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(4, 1), "本社ビル");
}

// A data number past the window's memory, or one that names no row, is refused with the memory
// box before anything changes; the number at the limit still writes its row.
TEST_F(Model, DataNumberPastTheMemoryIsRefusedWithTheMemoryBox)
{
    const struct { const DetectorVariant *v; const char *width, *limit; std::vector<const char *> refused; } cases[] = {
        {&ordinaryRoom(), "10", "100", {"101", "100.6", "40000", "0", "-1", "abc", " ", "1,000", "2,000", "30m"}},
        {&rowOfRooms(), "10", "30", {"31", "30.6", "100", "0", "abc"}},
        {&narrowRoom(), "2", "30", {"31"}},
        {&singleRoom(), "10", "30", {"31"}},
    };
    for (const auto &c : cases) {
        open(*c.v);
        room(c.width, "15", u"差動スポット", 1, 0);
        m->Text2 = "10";
        m->Command2_Click();
        boxes();
        const QStringList results = {m->Text3, m->Text6, m->Text7, m->Label16};
        const QString box = QStringLiteral("メモリーは%1迄です｡").arg(QLatin1String(c.limit));
        for (const char *number : c.refused) {
            m->Text1 = QString::fromLatin1(number);
            m->Text5 = "16";
            m->Command2_Click();
            const std::string at = std::string(c.v->formName) + " " + number;
            EXPECT_EQ(boxes(), QStringList{box}) << at;
            EXPECT_EQ((QStringList{m->Text3, m->Text6, m->Text7, m->Label16}), results) << at;
            for (int r = 2; r <= 100; ++r)
                ASSERT_EQ(m->MSFlexGrid1.textMatrix(r, 1), "") << at << " row " << r;
        }
        m->Text1 = QString::fromLatin1(c.limit);
        m->Command2_Click();
        EXPECT_FALSE(boxes().contains(box)) << c.v->formName;
        EXPECT_EQ(m->MSFlexGrid1.textMatrix(QString::fromLatin1(c.limit).toInt(), 4), "16") << c.v->formName;
    }
}

TEST_F(Model, InputChecksComeFirst)
{
    open(ordinaryRoom());
    m->Command2_Click();
    room("10", "", u"煙感知器", 1, 0);
    m->Command2_Click();
    m->Text5 = "5";
    m->Combo3.clear();
    m->Command2_Click();
    EXPECT_EQ(boxes(), (QStringList{"現場名称及び部屋名称を入力して下さい。", "間口及び奥行き寸法を入力して下さい。", "梁の高さを入力して下さい。"}));
}

TEST_F(Model, NarrowRoomAndBeamRefusalsLeaveEmptyResults)
{
    open(ordinaryRoom());
    room("2.9", "15", u"差動スポット", 1, 0, u"4m未満", u"1m以上");
    m->Text3 = "90";
    m->Command2_Click();
    EXPECT_EQ(boxes(), (QStringList{"間口が３m未満の部屋は「細長い部屋」にて計算して下さい。",
                                    "梁が規定以上です「小区画が連続」又は部屋の寸法を梁のところで計算して下さい。"}));
    EXPECT_EQ(m->Text4, "");
    EXPECT_FALSE(m->Text3Enabled);
    EXPECT_EQ(state.KEISAN_FLAG, "OFF");
    EXPECT_EQ(gridRow(1).mid(2, 10), (QStringList{"", "", "4m未満", "1m以上", "差動スポット", "１種", "", "", "耐火", ""}));

    // The next click counts as if the refused one had not happened.
    room("10", "9", u"差動スポット", 1, 0);
    m->Command2_Click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(m->Text7, "1");
}

// Every click that gets past the input checks but ends without a count leaves
// empty result columns, whatever an earlier click counted; an input the checks
// refuse changes nothing at all.
TEST_F(Model, NoRowKeepsACountOfOtherInputs)
{
    const QString tooHigh = QStringLiteral("天井が高すぎます。");
    struct Case
    {
        const char *name;
        const DetectorVariant *v;
        const char *width, *depth;
        const char16_t *type;
        int cls, structure;
        const char16_t *ceiling, *beam;
        QStringList boxes;
        bool refusedAtInput;
    };
    const Case cases[] = {
        {"class the type lacks", &ordinaryRoom(), "10", "15", u"差動スポット", 3, 0, u"4m未満", u"0.4m未満",
         {"差動スポット型感知器に３種はありません。"}, false},
        {"smoke class 3 above 4 m", &ordinaryRoom(), "10", "15", u"煙感知器", 3, 0, u"8m-15m未満", u"0.4m未満",
         {"３種は、４ｍ以上では使用できません。１種又は２種を選択して下さい。", tooHigh}, false},
        {"too wide for walking distance", &narrowRoom(), "3", "30", u"煙感知器", 1, 0, u"4m未満", u"0.4m未満",
         {"間口が３m以上の部屋は「一般居室」にて計算して下さい。"}, false},
        {"too narrow for an area", &rowOfRooms(), "2.9", "15", u"差動スポット", 1, 0, u"4m未満", u"0.6m未満",
         {"間口が３m未満の部屋は「細長い部屋」にて計算して下さい。"}, false},
        {"unknown detector type", &ordinaryRoom(), "10", "15", u"光電式", 1, 0, u"4m未満", u"0.4m未満", {}, false},
        {"no structure: no heat coverage", &ordinaryRoom(), "10", "15", u"差動スポット", 1, -1, u"4m未満", u"0.4m未満",
         {tooHigh}, false},
        {"compartment warning, heat at 20 m", &singleRoom(), "7", "5", u"差動スポット", 1, 0, u"20m以上", u"1m以上",
         {"面積が大きい為小区画に感知器が必要です。",
          "この感知器は８ｍ以上では使用できません。煙感知器又は熱分布(空気管)等を選択して下さい。"},
         false},
        {"ceiling that is no item", &ordinaryRoom(), "10", "15", u"煙感知器", 1, 0, u"10m", u"0.4m未満",
         {"天井の高さを入力して下さい。"}, true},
        {"beam that is no item", &ordinaryRoom(), "10", "15", u"煙感知器", 1, 0, u"4m未満", u"1.2m",
         {"梁の高さを入力して下さい。"}, true},
        {"negative width", &ordinaryRoom(), "-10", "20", u"煙感知器", 1, 0, u"4m未満", u"0.4m未満",
         {"間口及び奥行き寸法を入力して下さい。"}, true},
        {"negative walking length", &narrowRoom(), "2", "-30", u"煙感知器", 1, 0, u"4m未満", u"0.4m未満",
         {"間口及び奥行き寸法を入力して下さい。"}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        state = DetectorState();
        open(*c.v);
        // An earlier click that counts.
        const bool row = c.v->variant == Variant::Row, narrow = c.v->variant == Variant::Narrow;
        room(narrow ? "2" : "10", "30", u"差動スポット", 1, 0, row ? u"4m-8m未満" : u"4m未満", row ? u"0.6m未満" : u"0.4m未満");
        m->Text2 = "4";
        m->Command2_Click();
        ASSERT_TRUE(boxes().isEmpty());
        ASSERT_NE(m->Text7, "");
        const QStringList before{m->Text3, m->Text6, m->Text7, m->Label16};
        const DetectorState stateBefore = state;

        QStringList shownOver; // the result boxes as each box of the calculation stands over them
        const PressShow press([&] { shownOver << m->Text3 + m->Text6 + m->Text7; });
        m->Text1 = "2";
        room(c.width, c.depth, c.type, c.cls, c.structure, c.ceiling, c.beam);
        m->Text2 = "6";
        m->Command2_Click();
        EXPECT_EQ(boxes(), c.boxes);
        if (c.refusedAtInput) {
            EXPECT_EQ((QStringList{m->Text3, m->Text6, m->Text7, m->Label16}), before);
            EXPECT_TRUE(m->Text7Enabled);
            EXPECT_EQ(state.TENJOU_TAKASA, stateBefore.TENJOU_TAKASA);
            EXPECT_EQ(state.HARI_CODE, stateBefore.HARI_CODE);
            EXPECT_EQ(m->MSFlexGrid1.textMatrix(2, 1), "");
            continue;
        }
        EXPECT_EQ(shownOver, QStringList(c.boxes.size(), QString()));
        EXPECT_FALSE(m->Text7Enabled);
        EXPECT_EQ(gridRow(2).at(0), "本社ビル");
        EXPECT_EQ(gridRow(2).at(8), "");
        EXPECT_EQ(gridRow(2).at(9), "");
        EXPECT_EQ(gridRow(2).at(11), narrow ? "-----" : "");
    }
}

// The narrow-room refusal empties the sizes before its box stands over them.
TEST_F(Model, NarrowRoomBoxStandsOverEmptySizes)
{
    open(ordinaryRoom());
    room("10", "20", u"煙感知器", 3, 0);
    m->Command2_Click();
    ASSERT_EQ(m->Text7, "4");
    QStringList shownOver;
    const PressShow press([&] { shownOver << QStringList{m->Text4, m->Text5, m->Text3, m->Text6, m->Text7}.join('|'); });
    room("2", "20", u"煙感知器", 3, 0);
    m->Command2_Click();
    EXPECT_EQ(boxes(), QStringList{"間口が３m未満の部屋は細長い部屋にて計算して下さい。"});
    EXPECT_EQ(shownOver, QStringList{"||||"});
}

TEST_F(Model, CoverageStepsShowTheirBoxes)
{
    open(ordinaryRoom());
    room("10", "10", u"定温スポット", 3, 0);
    m->Text7 = "7";
    m->Command2_Click();
    EXPECT_EQ(boxes(), (QStringList{"定温スポット型感知器に３種はありません。", "感知器の種別を選択して下さい。"}));
    EXPECT_EQ(gridRow(1).at(9), ""); // no count, not the count box's earlier text

    room("10", "10", u"煙感知器", 3, 0, u"8m-15m未満");
    m->Command2_Click();
    EXPECT_EQ(boxes(), (QStringList{"３種は、４ｍ以上では使用できません。１種又は２種を選択して下さい。", "天井が高すぎます。"}));

    room("10", "10", u"熱アナログスポット", 2, 1);
    m->Command2_Click();
    EXPECT_EQ(m->Option1, -1);
    EXPECT_EQ(m->Text3, "40");
    EXPECT_EQ(gridRow(1).at(7), "");

    // A size that is no number asks for the sizes before any step reads it.
    room("10", "abc", u"定温スポット", 2, 0);
    m->Command2_Click();
    EXPECT_EQ(boxes(), QStringList{"間口及び奥行き寸法を入力して下さい。"});
    room("abc", "10", u"差動スポット", 1, 0);
    m->Command2_Click();
    EXPECT_EQ(boxes(), QStringList{"間口及び奥行き寸法を入力して下さい。"});

    room("10", "10", u"光電式", 1, 0); // no step runs: no coverage either
    m->Text3 = "x";
    m->Command2_Click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(gridRow(1).at(8), "");
}

TEST_F(Model, LongNarrowRoomCountsByWalkingDistance)
{
    open(narrowRoom());
    room("2", "30.5", u"煙感知器", 1, 0);
    m->Command2_Click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(m->Text3, "30");
    EXPECT_EQ(m->Text7, "2");
    EXPECT_EQ(gridRow(1).at(11), "-----");
    EXPECT_EQ(m->Label16, "設定を変更して再計算できます。詳細は画面を拡大してご覧下さい。");

    room("3", "30", u"煙感知器", 1, 0);
    m->Command2_Click();
    EXPECT_EQ(boxes(), QStringList{"間口が３m以上の部屋は「一般居室」にて計算して下さい。"});
    EXPECT_EQ(m->Text4, "3"); // nothing emptied
    EXPECT_EQ(state.KEISAN_FLAG, "OFF");

    room("2", "20", u"熱アナログスポット", -1, 0);
    m->Command2_Click();
    EXPECT_EQ(m->Text3, "13");
    EXPECT_EQ(m->Text7, "2");
}

TEST_F(Model, CompartmentsInARowNeedABeamBetweenTheBands)
{
    open(rowOfRooms());
    room("10", "10", u"差動スポット", 1, 0, u"4m-8m未満", u"0.6m未満");
    m->Command2_Click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(m->Text3, "20");
    EXPECT_EQ(m->Text7, "5");

    room("10", "10", u"差動スポット", 1, 0, u"8m-15m未満", u"0.6m未満");
    m->Command2_Click();
    EXPECT_EQ(boxes(), (QStringList{"この感知器は８ｍ以上では使用できません。煙感知器又は熱分布(空気管)等を選択して下さい。",
                                    "熱感知器は８ｍ以上では使用できません。煙感知器を選択して下さい。"}));
    EXPECT_EQ(m->Text7, "");
    EXPECT_EQ(state.KEISAN_FLAG, "OFF");

    room("10", "10", u"煙感知器", 1, 0, u"4m未満", u"0.6m未満");
    m->Command2_Click();
    EXPECT_EQ(boxes(), QStringList{"梁が規定以下です一般居室のところで計算して下さい。"});

    room("10", "10", u"定温スポット", 2, 0, u"4m未満", u"0.6m未満");
    m->Command2_Click();
    EXPECT_EQ(boxes(), (QStringList{"小区画が連続に定温スポット型感知器に２種は使えません。", "天井が高すぎます。"}));
    EXPECT_EQ(state.SYUBETU_CODE, "NI");
}

TEST_F(Model, OneCompartmentWarningAndAreaThatIsNoNumber)
{
    open(singleRoom());
    room("10", "10", u"差動スポット", 1, 0, u"4m-8m未満", u"1m以上");
    m->Text2 = "6";
    m->Command2_Click();
    EXPECT_EQ(boxes(), QStringList{"面積が大きい為小区画に感知器が必要です。"}); // the deep beam is spared
    EXPECT_EQ(m->Text7, "3"); // 100 m² at 45 m²
    EXPECT_EQ(gridRow(1).at(12), "6");

    // No area, no verdict: refused before anything changes, not counted under a 20 m ceiling.
    room("10", "10", u"差動スポット", 1, 0, u"20m以上", u"0.4m未満");
    for (const char *area : {"", "abc"}) {
        m->Text2 = QString::fromLatin1(area);
        m->Command2_Click();
        EXPECT_EQ(boxes(), QStringList{"小区画の面積を入力して下さい。"}) << area;
        EXPECT_EQ(m->Text7, "3") << area;
        EXPECT_EQ(state.TENJOU_TAKASA, 6) << area;
    }
}

TEST_F(Model, NextDataNumberWrapsAtTheMemoryLimit)
{
    open(ordinaryRoom());
    m->Text1 = "99";
    m->Text4 = "5";
    m->Combo5 = "事務室";
    m->Command4_Click();
    EXPECT_EQ(m->Text1, "100");
    EXPECT_EQ(m->Text4, "");
    EXPECT_EQ(m->Combo5, "");
    m->Command4_Click();
    EXPECT_EQ(boxes(), QStringList{"メモリーは100迄です｡"});
    EXPECT_EQ(m->Text1, "1");
    m->Text1 = "2.5";
    m->Command4_Click();
    EXPECT_EQ(m->Text1, "3.5");
    m->Text1 = "abc";
    m->Command4_Click();
    EXPECT_EQ(boxes(), QStringList{err("Command4")});
    EXPECT_EQ(m->Text1, "abc");

    open(rowOfRooms());
    m->Text1 = "30";
    m->Command4_Click();
    EXPECT_EQ(boxes(), QStringList{"メモリーは30迄です｡"});
    EXPECT_EQ(m->Text1, "1");
    EXPECT_EQ(m->Label16, "");
    m->Text1.clear();
    m->Command4_Click();
    EXPECT_EQ(m->Text1, "1");
}

TEST_F(Model, NextDataNumberGoesBelowTheStoredRows)
{
    open(ordinaryRoom());
    for (const char *row : {"1", "2"}) {
        room("10", "15", u"煙感知器", 2, 0);
        m->Text1 = QString::fromLatin1(row);
        m->Command2_Click();
    }
    boxes();
    m->MSFlexGrid1.setRow(1);
    m->MSFlexGrid1_Click();
    m->Command1_Click();
    ASSERT_EQ(m->Text1, "1");
    m->Command4_Click();
    EXPECT_EQ(m->Text1, "3");

    // At the memory limit the box still shows, and the number goes on below the
    // stored rows; with the table cleared it starts again at 1.
    open(rowOfRooms());
    for (int r = 1; r <= 30; ++r)
        m->MSFlexGrid1.setTextMatrix(r, 1, QStringLiteral("本社ビル"));
    m->Text1 = "30";
    m->Command4_Click();
    EXPECT_EQ(boxes(), QStringList{"メモリーは30迄です｡"});
    EXPECT_EQ(m->Text1, "31");
    m->IDM_GRCLA_Click();
    m->Text1 = "30";
    m->Command4_Click();
    EXPECT_EQ(boxes(), QStringList{"メモリーは30迄です｡"});
    EXPECT_EQ(m->Text1, "1");
}

TEST_F(Model, PickedRowLoadsBackIntoTheInputs)
{
    open(ordinaryRoom());
    m->Command1_Click();
    EXPECT_EQ(boxes(), QStringList{"読込む行番号を選択後にクリックして下さい。"});
    room("10", "15", u"煙感知器", 3, 1);
    m->Text1 = "45";
    m->Command2_Click();
    boxes();

    m->IDM_ALLCLA_Click();
    EXPECT_EQ(m->Text1, "");
    EXPECT_EQ(m->Option1, 3);
    m->Option1 = 1;
    m->MSFlexGrid1.setRow(45);
    m->MSFlexGrid1_Click();
    m->Command1_Click();
    EXPECT_EQ(m->Text1, "45");
    EXPECT_EQ(m->Combo4, "本社ビル");
    EXPECT_EQ(m->Combo3, "0.6m未満");
    EXPECT_EQ(m->Option1, 3);
    EXPECT_EQ(m->Option2, 1);
    EXPECT_EQ(m->Text6, "150");
    EXPECT_EQ(m->Text7, "3");
    EXPECT_EQ(state.SENTAKU_GYOU, 0);

    m->MSFlexGrid1.setRow(12); // a row without result
    m->MSFlexGrid1_Click();
    m->Command1_Click();
    EXPECT_EQ(m->Text4, "0");
    EXPECT_EQ(m->Combo4, "");
    EXPECT_EQ(m->Option1, 3);
    EXPECT_EQ((QStringList{m->Text3, m->Text7}), (QStringList{"", ""}));
    EXPECT_TRUE(m->Text7Enabled);
}

// A room refused before its count has an empty coverage and count: they reload
// empty, never as "0", which would read as "no detector needed".
TEST_F(Model, ReloadOfARowWithoutCountShowsNoCount)
{
    open(ordinaryRoom());
    room("10", "15", u"差動スポット", 1, 0, u"4m未満", u"1m以上");
    m->Command2_Click();
    ASSERT_EQ(boxes(), QStringList{"梁が規定以上です「小区画が連続」又は部屋の寸法を梁のところで計算して下さい。"});
    ASSERT_EQ(m->MSFlexGrid1.textMatrix(1, 4), "15");
    ASSERT_EQ(m->MSFlexGrid1.textMatrix(1, 10), "");
    m->Text3 = "90";
    m->Text7 = "4";
    m->MSFlexGrid1.setRow(1);
    m->MSFlexGrid1_Click();
    m->Command1_Click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ((QStringList{m->Text4, m->Text5, m->Text3, m->Text7}), (QStringList{"10", "15", "", ""}));

    // A count cell with blanks around it still reads as its number.
    m->MSFlexGrid1.setTextMatrix(1, 9, QStringLiteral(" 12.50 "));
    m->MSFlexGrid1.setTextMatrix(1, 10, QStringLiteral(" 0"));
    m->MSFlexGrid1_Click();
    m->Command1_Click();
    EXPECT_EQ((QStringList{m->Text3, m->Text7}), (QStringList{"12.5", "0"}));
}

// Rows past 30 hold data too (the ordinary room's memory is 100, and a result file fills up to
// 100 rows in any window): the table clear empties them all and keeps the row numbers.
TEST_F(Model, TableClearEmptiesEveryRowThatHoldsData)
{
    for (const DetectorVariant *v : {&ordinaryRoom(), &rowOfRooms()}) {
        open(*v);
        m->MSFlexGrid1.setTextMatrix(30, 15, "a");
        m->MSFlexGrid1.setTextMatrix(31, 1, "b");
        m->MSFlexGrid1.setTextMatrix(100, 15, "c");
        m->MSFlexGrid1.setRow(3);
        m->MSFlexGrid1.setCol(2);
        m->IDM_GRCLA_Click();
        for (int r : {30, 31, 100})
            for (int c = 1; c <= 15; ++c)
                EXPECT_EQ(m->MSFlexGrid1.textMatrix(r, c), "") << v->formName << " " << r << "," << c;
        EXPECT_EQ(m->MSFlexGrid1.textMatrix(30, 0), "30");
        EXPECT_EQ(m->MSFlexGrid1.textMatrix(0, 1), QStringLiteral("   現  場  名  称            "));
        EXPECT_EQ(m->MSFlexGrid1.row(), 3);
        EXPECT_EQ(m->MSFlexGrid1.col(), 2);
    }

    m->Text1 = "5";
    m->Text4 = "3";
    m->Combo5 = "事務室";
    m->IDM_INCLA_Click();
    EXPECT_EQ(m->Text4, "");
    EXPECT_EQ(m->Text1, "5");
    EXPECT_EQ(m->Combo5, "事務室");
}

TEST_F(Model, BuildingUseListsStopAtTheFirstEmptyName)
{
    open(ordinaryRoom());
    for (int r = 121; r <= 125; ++r)
        m->KAHOU_DATA.set(1, r, QStringLiteral("病室%1").arg(r));
    m->Combo5 = "事務室";
    m->IDM_HOSPITAL_Click();
    m->IDM_HOSPITAL_Click();
    EXPECT_EQ(m->Combo5, "");
    EXPECT_EQ(m->Combo5Items, (QStringList{"事務室", "湯沸室", "便所", "機械室", "END", "後の部屋", "", "病室121", "病室122",
                                           "病室123", "病室124", "病室125", ""}));
    m->IDM_SCHOOL_Click();
    EXPECT_EQ(m->Combo5Items.size(), 8);
    for (int r = 51; r <= 100; ++r)
        m->KAHOU_DATA.set(1, r, QStringLiteral("室%1").arg(r));
    m->IDM_OFFICE_Click();
    EXPECT_EQ(m->Combo5Items.size(), 50);
}

TEST_F(Model, ResultFileKeepsRowsAfterAGap)
{
    test::TestFolder folder;
    open(ordinaryRoom());
    room("10", "15", u"煙感知器", 1, 0);
    m->Command2_Click();
    m->Text1 = "3";
    m->Command2_Click();
    const QString file = folder.path(QStringLiteral("rooms.qvx"));
    ResultFile(resultlayout::FireAlarm).write(file, m->MSFlexGrid1);

    open(narrowRoom());
    m->MSFlexGrid1.setTextMatrix(2, 1, QStringLiteral("前の行"));
    ResultFile(resultlayout::FireAlarm).read(file, m->MSFlexGrid1);
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(3, 2), "事務室");
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(3, 10), "1");
    EXPECT_EQ(m->MSFlexGrid1.textMatrix(2, 1), "前の行"); // the gap row keeps what it held
}

TEST_F(Model, GridColoursFollowTheVariant)
{
    // Frm1, Frm2: white cells and white fixed cells; Frm3: light cyan fixed cells;
    // Form4: the system colours, so no colour is set.
    const GridColor white = gridRgb(0xFF, 0xFF, 0xFF), cyan = gridRgb(0xC0, 0xFF, 0xFF);
    const std::pair<const DetectorVariant *, GridColor> cases[] = {
        {&ordinaryRoom(), white}, {&narrowRoom(), white}, {&rowOfRooms(), cyan}};
    for (const auto &[variant, fixed] : cases) {
        open(*variant);
        EXPECT_EQ(m->MSFlexGrid1.backColor(0, 7), fixed) << variant->formName;
        EXPECT_EQ(m->MSFlexGrid1.backColor(100, 0), fixed) << variant->formName;
        EXPECT_EQ(m->MSFlexGrid1.backColor(100, 15), white) << variant->formName;
    }
    open(singleRoom());
    EXPECT_FALSE(m->MSFlexGrid1.hasBackColor(0, 7));
    EXPECT_FALSE(m->MSFlexGrid1.hasBackColor(5, 5));
}

TEST_F(Model, WindowStateOutlivesTheWindow)
{
    open(ordinaryRoom());
    m->MSFlexGrid1.setRow(7);
    m->MSFlexGrid1_Click();
    room("10", "10", u"煙感知器", 1, 0, u"8m-15m未満");
    m->Command2_Click();
    open(ordinaryRoom());
    EXPECT_EQ(state.SENTAKU_GYOU, 7);
    EXPECT_EQ(m->Text1, "1");
    EXPECT_EQ(state.TENJOU_TAKASA, 10);
    EXPECT_EQ(state.KOUZOU_CODE, "TAIKA");
}

} // namespace
