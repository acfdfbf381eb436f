// The detector rules as tables: representative heights, beam codes and verdicts,
// narrow-room limits, class checks, coverage per detector and the count.

#include "detectorrules.h"

#include <gtest/gtest.h>

using namespace kb::fa;

namespace {

const QString Box11 = QStringLiteral("煙感知器は２０ｍ以上では使用できません。他の感知器を選択して下さい。");
const QString Box12 = QStringLiteral("２種,３種は、１５ｍ以上では使用できません。１種を選択して下さい。");
const QString Box13 = QStringLiteral("３種は、４ｍ以上では使用できません。１種又は２種を選択して下さい。");
const QString Box14 = QStringLiteral("２種は、４ｍ以上では使用できません。１種又は特種を選択して下さい。");
const QString Box15 = QStringLiteral("熱感知器は８ｍ以上では使用できません。煙感知器を選択して下さい。");
const QString Box16 = QStringLiteral("３種煙感知器は８ｍ以上では使用できません。他の感知器を選択して下さい。");
const QString Box17 = QStringLiteral("煙感知器は８ｍ以上では使用できません。他の感知器を選択して下さい。");
const QString Deep = QStringLiteral("梁が規定以上です「小区画が連続」又は部屋の寸法を梁のところで計算して下さい。");
const QString Heat8 = QStringLiteral("この感知器は８ｍ以上では使用できません。煙感知器又は熱分布(空気管)等を選択して下さい。");
const QString Heat4 = QStringLiteral("この感知器は４ｍ以上では使用できません。煙感知器又は熱分布(空気管)等を選択して下さい。");

TEST(DetectorRules, TypesAndHeights)
{
    EXPECT_EQ(detectorType(QStringLiteral("定温防水スポット")), DetectorType::FixedTemp);
    EXPECT_EQ(detectorType(QStringLiteral("熱アナログスポット")), DetectorType::Analog);
    EXPECT_EQ(detectorType(QStringLiteral("光電式")), DetectorType::None);
    EXPECT_EQ(representativeHeight(QStringLiteral("4m未満")), 1);
    EXPECT_EQ(representativeHeight(QStringLiteral("8M-15M未満")), 10);
    EXPECT_EQ(representativeHeight(QStringLiteral("20m以上")), 25);
    EXPECT_FALSE(representativeHeight(QStringLiteral("5m")).has_value());
    EXPECT_TRUE(isBeamItem(QStringLiteral("0.6M-1M未満")));
    EXPECT_FALSE(isBeamItem(QStringLiteral("1.2m")));
    EXPECT_FALSE(isBeamItem(QString()));
    EXPECT_EQ(structureCode(0), "TAIKA");
    EXPECT_EQ(structureCode(1), "SONOTA");
    EXPECT_EQ(structureCode(-1), ""); // no structure: no heat coverage
}

TEST(DetectorRules, BeamCodes)
{
    struct Case { Variant v; bool smoke; const char16_t *beam; std::optional<int> code; const char16_t *shown; };
    const Case cases[] = {
        {Variant::Ordinary, false, u"0.4m未満", 3, u"0.4m未満"},
        {Variant::Ordinary, false, u"0.6m未満", 5, u"0.6m未満"},
        {Variant::Ordinary, false, u"0.4m-1m未満", 5, u"0.4m-1m未満"},
        {Variant::Ordinary, false, u"0.6m-1m未満", 8, u"0.6m-1m未満"},
        {Variant::Ordinary, false, u"1m以上", 20, u"1m以上"},
        {Variant::Ordinary, true, u"0.4m未満", 3, u"0.6m未満"},
        {Variant::Ordinary, true, u"0.6m未満", 3, u"0.6m未満"},
        {Variant::Ordinary, true, u"0.4m-1m未満", 8, u"0.6m-1m未満"},
        {Variant::Ordinary, true, u"1m以上", 20, u"1m以上"},
        {Variant::Ordinary, true, u"50cm", std::nullopt, u"50cm"},
        {Variant::Narrow, false, u"0.4m未満", 3, u"0.4m未満"},
        {Variant::Narrow, false, u"0.6m未満", 5, u"0.6m未満"},
        {Variant::Narrow, true, u"0.4m未満", 5, u"0.6m未満"},
        {Variant::Narrow, true, u"0.6m未満", 5, u"0.6m未満"},
        {Variant::Narrow, true, u"0.4m-1m未満", 8, u"0.6m-1m未満"},
    };
    for (const Case &c : cases) {
        const BeamCode b = beamCode(c.v, c.smoke, QString::fromUtf16(c.beam));
        EXPECT_EQ(b.code, c.code) << QString::fromUtf16(c.beam).toStdString() << " smoke " << c.smoke;
        EXPECT_EQ(b.beamText, QString::fromUtf16(c.shown));
    }
}

TEST(DetectorRules, BeamVerdicts)
{
    struct Case { Variant v; bool smoke; int code; int tenjou; double area; QString refusal; QString warning; };
    const QString Row = QStringLiteral("梁が規定以上です間口,奥行寸法を梁のところで計算して下さい。");
    const QString Shallow = QStringLiteral("梁が規定以下です一般居室のところで計算して下さい。");
    const QString Own = QStringLiteral("梁が規定以上です小区画に専用感知器が必要です。");
    const QString Warn = QStringLiteral("面積が大きい為小区画に感知器が必要です。");
    const Case cases[] = {
        {Variant::Ordinary, false, 5, 1, 0, Deep, {}},
        {Variant::Ordinary, false, 3, 10, 0, Heat8, {}},
        {Variant::Ordinary, true, 3, 10, 0, {}, {}},
        {Variant::Ordinary, false, 20, 25, 0, Deep, {}}, // the beam first
        {Variant::Ordinary, false, 0, 1, 0, {}, {}},
        {Variant::Narrow, false, 20, 6, 0, Heat4, {}},  // the ceiling first
        {Variant::Narrow, true, 5, 6, 0, {}, {}},
        {Variant::Narrow, true, 8, 1, 0, Deep, {}},
        {Variant::Narrow, false, 5, 1, 0, Deep, {}},
        {Variant::Row, false, 5, 1, 0, {}, {}},
        {Variant::Row, true, 5, 1, 0, Shallow, {}},
        {Variant::Row, false, 3, 1, 0, Shallow, {}},
        {Variant::Row, true, 20, 1, 0, Row, {}},
        {Variant::Row, false, 8, 10, 0, Heat8, {}},
        {Variant::Row, false, 0, 1, 0, Shallow, {}},
        {Variant::Single, false, 5, 1, 6, {}, Warn},
        {Variant::Single, false, 5, 1, 5, {}, {}},
        {Variant::Single, false, 20, 25, 6, Heat8, Warn}, // the warning spares the beam, not the ceiling
        {Variant::Single, false, 5, 6, 6, {}, Warn},
        {Variant::Single, true, 20, 25, 11, {}, Warn},   // smoke heights are the coverage step's
        {Variant::Single, false, 20, 1, 4, Own, {}},
        {Variant::Single, true, 8, 1, 10, {}, {}},
        {Variant::Single, true, 8, 1, 10.5, {}, Warn},
        {Variant::Single, false, 3, 10, 0, Heat8, {}},
    };
    int i = 0;
    for (const Case &c : cases) {
        const Verdict v = beamVerdict(c.v, c.smoke, c.code, c.tenjou, c.area);
        EXPECT_EQ(v.refusal, c.refusal) << "case " << i;
        EXPECT_EQ(v.warning, c.warning) << "case " << i;
        ++i;
    }
}

TEST(DetectorRules, NarrowRoomLimits)
{
    const QString T = QStringLiteral("TAIKA"), S = QStringLiteral("SONOTA");
    EXPECT_EQ(narrowLimit(Family::Differential, QStringLiteral("ICHI"), T), 15);
    EXPECT_EQ(narrowLimit(Family::Differential, QStringLiteral("NI"), S), 8);
    EXPECT_FALSE(narrowLimit(Family::Differential, QStringLiteral("TOKU"), T));
    EXPECT_EQ(narrowLimit(Family::FixedTemp, QStringLiteral("toku"), S), 8);
    EXPECT_FALSE(narrowLimit(Family::FixedTemp, QStringLiteral("NI"), T));
    EXPECT_EQ(narrowLimit(Family::Smoke, QStringLiteral("SAN"), QString()), 20);
    EXPECT_FALSE(narrowLimit(Family::Smoke, QStringLiteral("TOKU"), T));
    EXPECT_EQ(narrowLimit(Family::Analog, QString(), T), 13);
    EXPECT_FALSE(narrowLimit(Family::Analog, QString(), QString()));

    EXPECT_TRUE(tooNarrow(2.9, 15, 15));
    EXPECT_FALSE(tooNarrow(2.9, 14.99, 15));
    EXPECT_TRUE(tooNarrow(10, 2.5, 10));
    EXPECT_FALSE(tooNarrow(3, 100, 15));
    EXPECT_FALSE(tooNarrow(2, 2.5, 8)); // both sides below 3, neither reaches L

    EXPECT_TRUE(wideTestApplies(Family::Smoke, QString(), QString()));
    EXPECT_FALSE(wideTestApplies(Family::FixedTemp, QStringLiteral("NI"), T));
    EXPECT_FALSE(wideTestApplies(Family::Analog, QString(), QString()));
}

TEST(DetectorRules, ClassChecks)
{
    const QString Box2 = QStringLiteral("感知器の種別を選択して下さい。");
    const QString Box10 = QStringLiteral("感知器の種別を選択して下さい。-H2");
    EXPECT_EQ(classCheck(Variant::Ordinary, DetectorType::Smoke, 0).boxes, QStringList{QStringLiteral("煙感知器に特種はありません。")});
    EXPECT_TRUE(classCheck(Variant::Ordinary, DetectorType::Smoke, -1).ends);
    EXPECT_EQ(classCheck(Variant::Ordinary, DetectorType::FixedTemp, 3).boxes,
              (QStringList{QStringLiteral("定温スポット型感知器に３種はありません。"), Box2}));
    const ClassCheck rowNi = classCheck(Variant::Row, DetectorType::FixedTemp, 2);
    EXPECT_FALSE(rowNi.ends);
    EXPECT_EQ(rowNi.boxes, QStringList{QStringLiteral("小区画が連続に定温スポット型感知器に２種は使えません。")});
    EXPECT_EQ(classCheck(Variant::Narrow, DetectorType::FixedTemp, 2).boxes,
              QStringList{QStringLiteral("定温スポット型感知器２種は使えません。１種以上を選択して下さい。")});
    EXPECT_TRUE(classCheck(Variant::Ordinary, DetectorType::FixedTemp, 2).boxes.isEmpty());
    EXPECT_EQ(classCheck(Variant::Ordinary, DetectorType::Differential, 0).boxes,
              (QStringList{QStringLiteral("差動スポット型感知器に特種はありません。"), Box10}));
    EXPECT_EQ(classCheck(Variant::Ordinary, DetectorType::Compensated, 3).boxes,
              QStringList{QStringLiteral("補償式スポット型感知器に３種はありません。")});
    EXPECT_EQ(classCheck(Variant::Ordinary, DetectorType::Compensated, -1).boxes, QStringList{Box10});
    EXPECT_TRUE(classCheck(Variant::Ordinary, DetectorType::Analog, -1).boxes.isEmpty());
}

struct CoverageCase
{
    Variant v;
    DetectorType t;
    const char *cls;
    const char *structure;
    int tenjou;
    int value;
    QString box;
};

TEST(DetectorRules, CoverageTables)
{
    using D = DetectorType;
    const Variant O = Variant::Ordinary, N = Variant::Narrow, R = Variant::Row, S = Variant::Single;
    const CoverageCase cases[] = {
        // smoke by area
        {O, D::Smoke, "ICHI", "", 1, 150, {}}, {O, D::Smoke, "SAN", "", 1, 50, {}},
        {O, D::Smoke, "NI", "", 10, 75, {}}, {O, D::Smoke, "SAN", "", 10, 0, Box13},
        {O, D::Smoke, "ICHI", "", 18, 75, {}}, {O, D::Smoke, "NI", "", 18, 0, Box12},
        {S, D::Smoke, "ICHI", "", 25, 0, Box11}, {R, D::Smoke, "SAN", "", 25, 0, Box11},
        {R, D::Smoke, "ICHI", "", 1, 60, {}}, {R, D::Smoke, "SAN", "", 1, 20, {}},
        {R, D::Smoke, "NI", "", 6, 60, {}}, {R, D::Smoke, "NI", "", 10, 40, {}},
        {R, D::Smoke, "SAN", "", 6, 0, Box13}, {R, D::Smoke, "ICHI", "", 18, 40, {}},
        // smoke by walking distance
        {N, D::Smoke, "SAN", "", 6, 0, Box16}, {N, D::Smoke, "ICHI", "", 6, 30, {}},
        {N, D::Smoke, "SAN", "", 1, 20, {}}, {N, D::Smoke, "NI", "", 10, 0, Box17},
        // heat, ordinary room and one compartment
        {O, D::Differential, "ICHI", "TAIKA", 1, 90, {}}, {O, D::Compensated, "ICHI", "SONOTA", 6, 30, {}},
        {S, D::Differential, "NI", "SONOTA", 1, 40, {}}, {O, D::Differential, "NI", "TAIKA", 6, 35, {}},
        {O, D::FixedTemp, "TOKU", "TAIKA", 6, 35, {}}, {O, D::FixedTemp, "ICHI", "SONOTA", 6, 15, {}},
        {O, D::FixedTemp, "NI", "TAIKA", 1, 20, {}}, {O, D::FixedTemp, "NI", "SONOTA", 6, 0, Box14},
        {O, D::Analog, "NI", "TAIKA", 1, 70, {}}, {S, D::Analog, "", "SONOTA", 6, 25, {}},
        {O, D::Differential, "ICHI", "", 1, 0, {}}, // no structure ever chosen
        // heat, compartments in a row
        {R, D::Differential, "ICHI", "TAIKA", 6, 20, {}}, {R, D::Compensated, "NI", "SONOTA", 1, 10, {}},
        {R, D::FixedTemp, "TOKU", "TAIKA", 1, 15, {}}, {R, D::FixedTemp, "ICHI", "SONOTA", 1, 8, {}},
        {R, D::FixedTemp, "NI", "TAIKA", 1, 0, {}}, {R, D::Analog, "", "SONOTA", 6, 10, {}},
        {R, D::Differential, "ICHI", "TAIKA", 10, 0, Box15}, {R, D::Differential, "ICHI", "TAIKA", 0, 0, {}},
        // heat, long narrow room
        {N, D::Differential, "ICHI", "TAIKA", 1, 15, {}}, {N, D::Compensated, "NI", "SONOTA", 1, 8, {}},
        {N, D::FixedTemp, "TOKU", "SONOTA", 1, 8, {}}, {N, D::FixedTemp, "ICHI", "TAIKA", 1, 10, {}},
        {N, D::FixedTemp, "NI", "TAIKA", 1, 0, {}}, {N, D::Differential, "ICHI", "TAIKA", 6, 0, {}},
        {N, D::Analog, "", "TAIKA", 1, 13, {}}, {N, D::Analog, "", "SONOTA", 1, 8, {}},
    };
    int i = 0;
    for (const CoverageCase &c : cases) {
        const Coverage got = coverage(c.v, c.t, QString::fromLatin1(c.cls), QString::fromLatin1(c.structure), c.tenjou);
        EXPECT_EQ(got.value, c.value) << "case " << i;
        EXPECT_EQ(got.boxes, c.box.isEmpty() ? QStringList() : QStringList{c.box}) << "case " << i;
        ++i;
    }
}

TEST(DetectorRules, CountIsTheNextWholeNumberUp)
{
    EXPECT_EQ(detectorCount(150.0 / 150), 1);
    EXPECT_EQ(detectorCount(150.0 / 75), 2);
    EXPECT_EQ(detectorCount(150.0 / 50), 3);
    EXPECT_EQ(detectorCount(151.0 / 150), 2);
    EXPECT_EQ(detectorCount(0), 0);
    EXPECT_EQ(detectorCount(30.5 / 30), 2);
}

} // namespace
