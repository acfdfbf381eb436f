#include "conduitfixture.h"
#include "numtext.h"
#include "sizecalc.h"

#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

const QString kArrow = u"         ↓   "_qs;
const QString kTooSmall = u"配管サイズを大きくして再度「計算」を押してください。\nエラーが発生しました。。Command2_Click"_qs;

QString sized(const QString &name)
{
    return u"     "_qs + name;
}

// A calculation on hand-made records and sizes.
struct Calc
{
    CableRecords rec{};
    SizeNames names{};
    SizeAreas areas{};
    GridModel grid;
    int n = 0;
    int m = 0;

    Calc() { grid.setShape(kMaxCables + 1, 11); }
    void cables(std::initializer_list<float> sectionAreas)
    {
        for (float a : sectionAreas) {
            CableRecord &x = rec[++n];
            x.cableName = u"CV"_qs + QString::number(n);
            x.sectionArea = a;
            x.outerDiameter = 10;
            x.weightText = u"100"_qs;
        }
    }
    void sizes(std::initializer_list<float> allowable)
    {
        for (float a : allowable) {
            ++m;
            names[m] = u"S"_qs + QString::number(m);
            areas[m] = a;
        }
    }
    std::optional<int16_t> run(bool wiringCode = false, const QString &typeBox = {}, const QString &cableBox = {})
    {
        return calculateConduitSizes({rec, n, u"C"_qs, m, names, areas, wiringCode, typeBox, cableBox}, grid);
    }
    QStringList column(int c) const
    {
        QStringList cells;
        for (int r = 1; r <= n; ++r)
            cells.append(grid.textMatrix(r, c));
        return cells;
    }
};

} // namespace

TEST(ConduitSize, CorrectionFactorsByNameAndConduitType)
{
    const struct { const char16_t *type; const char16_t *name; float factor; } cases[] = {
        {u"C", u"IV2.0", 2.0f}, {u"C", u"iv2.0", 2.0f}, {u"G", u"EM-HIE3.5", 2.0f}, {u"PF-CD", u"IV2.0", 1.3f},
        {u"C", u"IV5.5", 1.2f}, {u"pf-cd", u"HIV8", 1.0f}, {u"C", u"CV22", 1.0f}, {u"PF-CD", u"CV22", 1.0f},
        {u"C", u"IV2.0 ", 1.0f}, {u"C", u"HIV1.0", 1.0f},
    };
    for (const auto &c : cases)
        EXPECT_EQ(correctionFactor(QString::fromUtf16(c.type), QString::fromUtf16(c.name)), c.factor)
            << QString::fromUtf16(c.name).toStdString();
}

TEST(ConduitSize, WiringCodeMoves)
{
    const struct { const char16_t *type; const char16_t *cable; int n; int move; } cases[] = {
        {u"E", u"IV60", 1, -1}, {u"E", u"IV60", 2, 1}, {u"E", u"IV60", 3, 0}, {u"e", u"iv8", 2, 1},
        {u"PF-CD", u"IV14", 7, 1}, {u"CD", u"IV38", 3, 1}, {u"CD", u"IV38", 2, 0},
        {u"PRI", u"IV325", 2, 3}, {u"PRI", u"IV325", 1, -1}, {u"VE", u"IV250", 2, 1},
        {u"VP", u"IV60", 1, 0}, {u"C", u"IV60 ", 1, 0}, {u"G", u"IV250", 1, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wiringCodeMove(QString::fromUtf16(c.type), QString::fromUtf16(c.cable), c.n), c.move)
            << QString::fromUtf16(c.type).toStdString() << " " << QString::fromUtf16(c.cable).toStdString();
}

TEST(ConduitSize, OneConduitTakesTheFirstSizeThatHoldsEvenExactly)
{
    Calc c;
    c.cables({50, 50});
    c.sizes({100, 200});
    EXPECT_EQ(c.run(), 1);
    EXPECT_EQ(c.column(2), (QStringList{kArrow, sized(u"S1"_qs)}));
    EXPECT_EQ(c.column(3), (QStringList{u"50"_qs, u"100"_qs}));
    EXPECT_EQ(c.column(5), (QStringList{u"10"_qs, u"20"_qs}));
    EXPECT_EQ(c.column(7), (QStringList{u"1"_qs, u"1"_qs}));
    EXPECT_EQ(c.column(8), (QStringList{u"100"_qs, u"100"_qs}));
    EXPECT_EQ(c.rec[2].sizeText, kArrow);
    EXPECT_EQ(c.grid.textMatrix(0, 3), u"断面積累計");
}

TEST(ConduitSize, SplitsIntoGroupsThatAreAsLongAsTheyCanBe)
{
    Calc c;
    c.cables({80, 80, 80});
    c.sizes({100, 200});
    EXPECT_EQ(c.run(), std::nullopt);
    EXPECT_EQ(c.column(2), (QStringList{kArrow, sized(u"S2"_qs), sized(u"S1"_qs)}));
    EXPECT_EQ(c.column(3), (QStringList{u"80"_qs, u"160"_qs, u"80"_qs})); // the sum restarts after a group
    EXPECT_EQ(c.rec[2].cumulativeArea, 0.0f);
    EXPECT_EQ(c.rec[3].cumulativeDiameter, 30.0f);

    Calc unnamed; // a group end without a name shows its size on the row above
    unnamed.cables({80, 80, 80});
    unnamed.rec[2].cableName.clear();
    unnamed.sizes({100, 200});
    unnamed.run();
    EXPECT_EQ(unnamed.column(2), (QStringList{sized(u"S2"_qs), kArrow, sized(u"S1"_qs)}));

    Calc one; // a single allowed size: every group takes it
    one.cables({60, 60, 60});
    one.sizes({100});
    one.run();
    EXPECT_EQ(one.column(2), QStringList(3, sized(u"S1"_qs)));
}

TEST(ConduitSize, AtMostThirtyOneConduits)
{
    Calc fits;
    for (int i = 0; i < 31; ++i)
        fits.cables({150});
    fits.sizes({100, 200});
    fits.run();
    EXPECT_EQ(fits.column(2), QStringList(31, sized(u"S2"_qs)));

    Calc tooMany;
    for (int i = 0; i < 32; ++i)
        tooMany.cables({150});
    tooMany.sizes({100, 200});
    EXPECT_THROW(tooMany.run(), Failure);
    EXPECT_EQ(tooMany.column(2).mid(0, 31), QStringList(31, sized(u"S2"_qs)));
    EXPECT_EQ(tooMany.grid.textMatrix(32, 2), kArrow);
}

TEST(ConduitSize, ACableTooLargeForAnyConduitStopsWithoutRelabelling)
{
    Calc first;
    first.cables({250, 10});
    first.sizes({100, 200});
    EXPECT_THROW(first.run(), Failure);
    EXPECT_EQ(first.column(2), QStringList(2, kArrow));
    EXPECT_EQ(first.column(3), (QStringList{u"250"_qs, u"260"_qs}));

    Calc later;
    later.cables({150, 100, 300});
    later.sizes({100, 200});
    EXPECT_THROW(later.run(), Failure);
    EXPECT_EQ(later.column(2), (QStringList{sized(u"S2"_qs), sized(u"S1"_qs), kArrow}));
}

TEST(ConduitSize, WiringCodeMovesTheOneConduitSizeWithinTheAllowedSizes)
{
    const struct { int cables; bool on; const char16_t *typeBox; std::optional<int16_t> size; } cases[] = {
        {1, true, u"E", 1},   // S2 moved down
        {2, true, u"E", 3},   // S2 moved up
        {3, true, u"E", 2},   // no entry for three cables
        {1, false, u"E", 2},  // switch off
        {1, true, u"VP", 2},  // type without entries
    };
    for (const auto &c : cases) {
        Calc k;
        for (int i = 0; i < c.cables; ++i)
            k.cables({float(120 / c.cables)});
        k.sizes({100, 200, 300});
        EXPECT_EQ(k.run(c.on, QString::fromUtf16(c.typeBox), u"IV60"_qs), c.size);
        EXPECT_EQ(k.grid.textMatrix(c.cables, 2), sized(u"S"_qs + QString::number(*c.size)));
    }
    Calc below; // already the smallest: it stays
    below.cables({50});
    below.sizes({100, 200});
    EXPECT_EQ(below.run(true, u"E"_qs, u"IV60"_qs), 1);
    Calc above; // beyond the largest allowed size: a larger conduit is needed
    above.cables({90, 90});
    above.sizes({100, 200});
    EXPECT_THROW(above.run(true, u"E"_qs, u"IV60"_qs), Failure);
    EXPECT_EQ(above.column(2), QStringList(2, kArrow));
}

TEST(ConduitSize, SumsAreSinglePrecision)
{
    Calc c;
    c.cables({0.1f, 0.2f, 0.3f});
    c.rec[1].outerDiameter = 1.1f;
    c.rec[2].outerDiameter = 2.2f;
    c.rec[3].outerDiameter = 3.3f;
    c.sizes({100});
    c.run();
    EXPECT_EQ(c.column(3), (QStringList{u"0.1"_qs, u"0.3"_qs, u"0.6"_qs}));
    EXPECT_EQ(c.column(5), (QStringList{u"1.1"_qs, u"3.3"_qs, u"6.6"_qs}));
}

namespace {

using Loaded = LoadedForm1;

} // namespace

TEST_F(Loaded, CalculatesTheRegisteredCablesInTheRegisteredConduit)
{
    registerCables(m, u"IV2.0"_qs);
    m.Combo1 = u"C"_qs;
    m.Command4_Click();
    int busy = 0;
    m.beginBusy = [&] { ++busy; };
    m.endBusy = [&] { --busy; };
    m.Command2_Click();
    EXPECT_EQ(gridRow(m, 1, 1, 9), (QStringList{u"IV2.0"_qs, sized(u"C(19)"_qs), u"18.2"_qs, u"3.4"_qs, u"3.4"_qs, u"9.1"_qs, u"2"_qs, u"24"_qs, u"1"_qs}));
    EXPECT_EQ(m.SAIZU_NO, 1);
    EXPECT_EQ(m.Command1, u"電線登録");
    EXPECT_EQ(m.Command4, u"配管登録");
    EXPECT_EQ(busy, 0);

    // Four IV60 in PF-CD capped at (16): one cable of 133 mm² alone exceeds its 58 mm².
    m.Command3_Click();
    registerCables(m, u"IV60"_qs, 4);
    m.Combo1 = u"PF-CD"_qs;
    m.Combo6 = u"PF-CD(16)"_qs;
    m.Command4_Click();
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), QStringList{kTooSmall});
    EXPECT_EQ(busy, 0);
    EXPECT_EQ(gridRow(m, 4, 2, 2), QStringList{kArrow});
}

TEST_F(Loaded, RefusesWithoutCablesOrConduit)
{
    m.Command2_Click();
    registerCables(m, u"IV2.0"_qs);
    m.Command2_Click();
    m.Combo1 = u"E"_qs;
    m.Command4_Click();
    m.IDM_GRCLIN_Click(); // the records stay, the count is 0
    m.Command2_Click();
    EXPECT_EQ(folder.messages(), (QStringList{u"先に電線・ケーブルを登録して下さい｡"_qs, u"先に配管を登録して下さい｡"_qs,
                                              u"先に電線・ケーブルを登録して下さい｡"_qs}));
}
