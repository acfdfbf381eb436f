// What the rack, duct and raceway windows show when a calculation, a recalculation or a
// registration is refused, on the default CABLE-PIPE data: sequences of registrations,
// deletions, condition changes and presses, with the result boxes checked on the way and
// at the end, then the boxes shown, the status line and the list.

#include "racewaymodel.h"
#include "rackfixture.h"
#include "rackmodel.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

using namespace kb;
using namespace kb::test;

namespace {

enum class Kind { Rack, Duct, Raceway };

const char *kindName(Kind k)
{
    return k == Kind::Rack ? "rack" : k == Kind::Duct ? "duct" : "raceway";
}

// One window of the three, driven through the names of its controls.
class Window
{
public:
    explicit Window(Kind kind) : m_kind(kind)
    {
        if (kind == Kind::Raceway) {
            auto *m = new Form19Model;
            m_model.reset(m);
            m_calculate = [m] { m->Command2_Click(); };
            m_load = [m] { m->Form_Load(); };
            m_bindings = m->bindings();
        } else {
            auto *m = new RackModel(kind == Kind::Rack ? RackModel::Variant::Rack : RackModel::Variant::Duct);
            m_model.reset(m);
            m_calculate = [m] { m->Command2_Click(); };
            m_load = [m] { m->Form_Load(); };
            m_bindings = m->bindings();
        }
    }

    // Opens the window on the default cable data.
    void load()
    {
        const TextTable t = readDataText("CABLE-PIPE.txt", db::CablePipe);
        writeTable(databasePath(db::CablePipe), db::CablePipe.fileRows, t.columns(), t);
        m_load();
    }

    CableListModel &model() { return *m_model; }
    void calculate() { m_calculate(); }

    QString &box(const QString &name)
    {
        for (const ControlBinding &b : m_bindings)
            if (b.name == name)
                return *b.text;
        ADD_FAILURE() << "no control " << name.toStdString();
        static QString none;
        return none;
    }

    // The result boxes beside the grid, in the order the window shows them.
    QStringList results()
    {
        QStringList names;
        switch (m_kind) {
        case Kind::Rack: names = {u"Text3"_qs, u"Text4"_qs, u"Label4"_qs, u"Label7"_qs, u"Label11"_qs, u"Label13"_qs}; break;
        case Kind::Duct: names = {u"Text3"_qs, u"Label4"_qs, u"Label7"_qs}; break;
        case Kind::Raceway: names = {u"Label6"_qs, u"Label4"_qs, u"Label11"_qs}; break;
        }
        QStringList texts;
        for (const QString &n : names)
            texts << box(n);
        return texts;
    }

    // The registered rows as "name × count", checked against the grid.
    QStringList list()
    {
        const CableListModel &m = *m_model;
        QStringList rows;
        for (int r = 1; r <= m.TOROKU_SUU; ++r) {
            rows << m.MSFlexGrid1.textMatrix(r, 0) + u" × "_qs + m.MSFlexGrid1.textMatrix(r, 1);
            EXPECT_EQ(m.DENSEN_TOROKU[r][0], m.MSFlexGrid1.textMatrix(r, 0));
        }
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(m.TOROKU_SUU + 1, 0), QString());
        return rows;
    }

private:
    Kind m_kind;
    std::unique_ptr<CableListModel> m_model;
    std::function<void()> m_calculate, m_load;
    ControlBindings m_bindings;
};

// One step of a sequence: register a cable, delete a row, type into a box, press 計算, or
// check the result boxes or one condition box as they stand.
struct Step
{
    enum What { Register, Delete, Type, Calculate, Results, Holds } what;
    QString a, b;
    QStringList results;
};

Step reg(const char16_t *name, const char16_t *count)
{
    return {Step::Register, QString::fromUtf16(name), QString::fromUtf16(count), {}};
}
Step del(int row)
{
    return {Step::Delete, QString::number(row), {}, {}};
}
Step type(const char16_t *box, const char16_t *text)
{
    return {Step::Type, QString::fromUtf16(box), QString::fromUtf16(text), {}};
}
Step calc()
{
    return {Step::Calculate, {}, {}, {}};
}
Step shows(const QStringList &results)
{
    return {Step::Results, {}, {}, results};
}
Step holds(const char16_t *box, const char16_t *text)
{
    return {Step::Holds, QString::fromUtf16(box), QString::fromUtf16(text), {}};
}

void run(Window &w, const Step &s)
{
    CableListModel &m = w.model();
    switch (s.what) {
    case Step::Register:
        registerCable(m, s.a, s.b);
        break;
    case Step::Delete:
        m.IDM_SAKUJO_Click();
        m.MSFlexGrid1.setRow(s.a.toInt());
        m.MSFlexGrid1_Click();
        m.Command1_Click();
        break;
    case Step::Type:
        w.box(s.a) = s.b;
        break;
    case Step::Calculate:
        w.calculate();
        break;
    case Step::Results:
    case Step::Holds:
        break;
    }
}

const QString kRackPrompt = u"電線・ケーブルを登録して下さい。"_qs;
const QString kRacewayPrompt = u"電線を登録して下さい。"_qs;
const QString kCountPrompt = u"電線本数を設定して下さい。"_qs;
const QString kRackSpecial = u"特別注文のラックです。"_qs;
const QString kDuctSpecial = u"特別注文のダクトです。"_qs;
const QString kIntervalBox = u"エラーが発生しました。 BASHO_CICHI"_qs;
const QString kSpacingBox = u"エラーが発生しました。 BASHO_CNI"_qs;
const QString kFactorBox = u"エラーが発生しました。 BASHO_CYON"_qs;

struct Case
{
    std::string what;
    Kind kind;
    std::vector<Step> steps;
    QStringList results;          // the result boxes at the end
    QStringList boxes;            // every box the sequence showed
    std::optional<QString> label1; // the status line at the end, where it matters
    QStringList list;
};

QStringList empty(int n)
{
    return QStringList(n, QString());
}

// The rack's result boxes: width sum, rack, rack weight (kg) in the span, span weight (kg), and the
// 3分 insert every list of the table gets.
QStringList rack(const char16_t *width, const char16_t *rack, const char16_t *rackWeight, const char16_t *span)
{
    return {QString::fromUtf16(width), QString::fromUtf16(rack), u"ラックの重量"_qs + QString::fromUtf16(rackWeight) + u"kgを含む"_qs,
            u"吊り間重量 "_qs + QString::fromUtf16(span) + u" kg"_qs, u"インサートは３分です"_qs, u"３分の許容荷重kg/本は 200"_qs};
}

// The duct's: width sum, duct weight (kg) in the span, span weight (kg).
QStringList duct(const char16_t *width, const char16_t *ductWeight, const char16_t *span)
{
    return {QString::fromUtf16(width), u"ダクトの重量"_qs + QString::fromUtf16(ductWeight) + u"kgを含む"_qs,
            u"吊り間重量 "_qs + QString::fromUtf16(span) + u" kg"_qs};
}

} // namespace

TEST(RefusedCalculations, LeaveNoFigureOfAnotherListOrSpacingOnShow)
{
    const QStringList rack47 = rack(u"1114", u"1200", u"18.6", u"100.4");
    const QStringList list47 = {u"CVT22 × 47"_qs}, list46 = {u"CVT22 × 46"_qs}, list3 = {u"CVT22 × 3"_qs};
    const std::vector<Case> cases = {
        // 計算 on a list that 削除 has emptied: the window's prompt over no results.
        {"the rack's list emptied by 削除", Kind::Rack,
         {reg(u"CV14-3C", u"3"), calc(), shows(rack(u"52", u"200", u"10.6", u"14.2")), del(1), calc()},
         empty(6), {kRackPrompt}, std::nullopt, {}},
        {"the duct's list emptied by 削除", Kind::Duct,
         {reg(u"CV14-3C", u"3"), calc(), shows(duct(u"52", u"10.6", u"14.2")), del(1), calc()},
         empty(3), {kRackPrompt}, std::nullopt, {}},
        {"the raceway's list emptied by 削除", Kind::Raceway,
         {reg(u"CV14-3C", u"3"), calc(), shows({u"723"_qs, u"5.9"_qs, u"51.6(%)"_qs}), del(1), calc()},
         empty(3), {kOccupancy, kRacewayPrompt}, std::nullopt, {}},
        {"a list of two that 削除 has emptied, pressed twice", Kind::Rack,
         {reg(u"CV14-3C", u"3"), reg(u"CVT22", u"1"), calc(), del(2), del(1), calc(), calc()},
         empty(6), {kRackPrompt, kRackPrompt}, std::nullopt, {}},

        // A spacing whose spread width passes the window's figures: the special-order words over
        // no results, on every press until the spacing is put back, which shows them again.
        {"the rack spread three times past the figures", Kind::Rack,
         {reg(u"CVT22", u"47"), calc(), shows(rack47), type(u"Combo2", u"S=3d"), calc(), calc()},
         empty(6), {kRackSpecial, kRackSpecial}, std::nullopt, list47},
        {"the rack's spacing put back after the special order", Kind::Rack,
         {reg(u"CVT22", u"47"), calc(), type(u"Combo2", u"S=3d"), calc(), shows(empty(6)), type(u"Combo2", u"S=d"), calc()},
         rack47, {kRackSpecial}, std::nullopt, list47},
        {"the rack's factor 0.85 that asks for S=3d past the figures", Kind::Rack,
         {reg(u"CVT22", u"47"), calc(), type(u"Combo4", u"0.85"), calc(), calc()},
         empty(6), {kRackSpecial, kRackSpecial}, std::nullopt, list47},
        {"the duct spread three times past the figures", Kind::Duct,
         {reg(u"CVT22", u"47"), calc(), shows(duct(u"1114", u"18.6", u"100.4")), type(u"Combo2", u"S=3d"), calc(), calc()},
         empty(3), {kDuctSpecial, kDuctSpecial}, std::nullopt, list47},

        // An interval refused with its box (it has no prompt of its own) empties the results too;
        // a good interval shows them all again, the rack's width included.
        {"the rack's interval -2, then 0", Kind::Rack,
         {reg(u"CVT22", u"3"), calc(), shows(rack(u"71", u"200", u"10.6", u"15.8")), type(u"Combo1", u"-2"), calc(),
          shows(empty(6)), type(u"Combo1", u"0"), calc()},
         empty(6), {kIntervalBox, kIntervalBox}, std::nullopt, list3},
        {"the rack's interval put right after -2", Kind::Rack,
         {reg(u"CVT22", u"3"), calc(), type(u"Combo1", u"-2"), calc(), type(u"Combo1", u"1.5"), calc()},
         rack(u"71", u"200", u"7.95", u"11.8"), {kIntervalBox}, std::nullopt, list3},
        {"the rack's interval put back after 0", Kind::Rack,
         {reg(u"CVT22", u"3"), calc(), type(u"Combo1", u"0"), calc(), type(u"Combo1", u"2"), calc()},
         rack(u"71", u"200", u"10.6", u"15.8"), {kIntervalBox}, std::nullopt, list3},
        {"the duct's interval -2", Kind::Duct,
         {reg(u"CVT22", u"3"), calc(), shows(duct(u"71", u"10.6", u"15.8")), type(u"Combo1", u"-2"), calc()},
         empty(3), {kIntervalBox}, std::nullopt, list3},
        {"the rack's interval and spacing changed at once", Kind::Rack,
         {reg(u"CVT22", u"3"), calc(), type(u"Combo1", u"1.5"), type(u"Combo2", u"S=2d"), calc()},
         empty(6), {kTwoChanges}, std::nullopt, list3},
        {"the duct's interval and spacing changed at once, then put back", Kind::Duct,
         {reg(u"CVT22", u"3"), calc(), type(u"Combo1", u"1.5"), type(u"Combo2", u"S=2d"), calc(), shows(empty(3)),
          type(u"Combo1", u"2"), type(u"Combo2", u"S=d"), calc()},
         duct(u"71", u"10.6", u"15.82"), {kTwoChanges}, std::nullopt, list3}, // a recalculation's unrounded weight
        {"the rack's factor that is no number", Kind::Rack,
         {reg(u"CVT22", u"3"), calc(), type(u"Combo4", u"abc"), calc()},
         empty(6), {kFactorBox}, std::nullopt, list3},

        // A recalculation that ends in a special order shows what a full calculation's does:
        // no standard rack, so no rack weight in the span weight.
        {"the rack's spacing that needs a special order", Kind::Rack,
         {reg(u"CVT22", u"46"), calc(), shows(rack(u"1090", u"1200", u"18.6", u"98.6")), type(u"Combo2", u"S=3d"), calc()},
         rack(u"3270", u"0", u"0", u"80"), {kRackSpecial}, std::nullopt, list46},
        {"a new interval on the special-order rack", Kind::Rack,
         {reg(u"CVT22", u"46"), calc(), type(u"Combo2", u"S=3d"), calc(), type(u"Combo1", u"1.5"), calc()},
         rack(u"3270", u"0", u"0", u"60"), {kRackSpecial}, std::nullopt, list46},
        {"a full calculation of a special-order list", Kind::Rack,
         {reg(u"CVT22", u"100"), calc()},
         rack(u"2370", u"0", u"0", u"174"), {kRackSpecial}, std::nullopt, {u"CVT22 × 100"_qs}},
        // The duct keeps the duct it held (its own rule), so its weight stays in the span weight.
        {"the duct's spacing that needs a special order", Kind::Duct,
         {reg(u"CVT22", u"46"), calc(), type(u"Combo2", u"S=3d"), calc()},
         duct(u"3270", u"18.6", u"98.64"), {kDuctSpecial}, std::nullopt, list46},
    };

    // A count of no whole number of cables asks for the count, as an empty one does, and
    // registers nothing.
    std::vector<Case> all = cases;
    for (Kind kind : {Kind::Rack, Kind::Duct, Kind::Raceway})
        for (const char16_t *count : {u"0", u"-2", u"2.5", u"0.5", u"", u"abc"})
            all.push_back({"a count of no whole number of cables", kind, {reg(u"CVT22", u"3"), reg(u"CV14-3C", count)},
                           empty(kind == Kind::Rack ? 6 : 3), {}, kCountPrompt, {u"CVT22 × 3"_qs}});

    for (Kind kind : {Kind::Rack, Kind::Duct}) {
        const bool isRack = kind == Kind::Rack;
        const QStringList none = empty(isRack ? 6 : 3);
        const QString special = isRack ? kRackSpecial : kDuctSpecial;

        // A factor that asks for a spacing too wide for the figures (S=3d for 47 cables) leaves
        // that spacing on show: every press while it stands is a special order, a new interval's
        // too, while an interval of no length keeps its own box. The interval itself is taken,
        // so the spacing changed alone afterwards shows every result at that interval.
        const std::vector<Step> factor085 = {reg(u"CVT22", u"47"), calc(), type(u"Combo4", u"0.85"), calc(),
                                             holds(u"Combo2", u"S=3d"), shows(none)};
        auto afterFactor = [&](std::vector<Step> more) {
            std::vector<Step> steps = factor085;
            steps.insert(steps.end(), more.begin(), more.end());
            return steps;
        };
        all.push_back({"a new interval on the spacing a factor asked for past the figures", kind,
                       afterFactor({type(u"Combo1", u"1.5"), calc(), shows(none), calc(), shows(none),
                                    type(u"Combo1", u"1.8"), calc()}),
                       none, {special, special, special, special}, std::nullopt, list47});
        all.push_back({"an interval of no length on the spacing a factor asked for", kind,
                       afterFactor({type(u"Combo1", u"0"), calc()}),
                       none, {special, kIntervalBox}, std::nullopt, list47});
        all.push_back({"a spacing that fits after the factor's and a new interval", kind,
                       afterFactor({type(u"Combo1", u"1.5"), calc(), type(u"Combo2", u"S=d"), calc(),
                                    holds(u"Combo4", u"0.7")}),
                       isRack ? rack(u"1114", u"1200", u"13.95", u"75.3") : duct(u"1114", u"13.95", u"75.285"),
                       {special, special}, std::nullopt, list47});

        // A spacing or a factor that is none of the list's gets its own box over no results and
        // is not taken: the next press refuses it again, a second change beside it is two, and
        // the list item put back (the spacing in lower case) shows every result again.
        const QStringList at2d = isRack ? rack(u"1050", u"1200", u"18.6", u"53.8") : duct(u"1050", u"18.6", u"53.7");
        const struct { const char16_t *box, *text, *listed; QString refusal; } offList[] = {
            {u"Combo2", u"S=4d", u"s=2d", kSpacingBox}, {u"Combo2", u"S=1d", u"s=2d", kSpacingBox},
            {u"Combo2", u"x", u"s=2d", kSpacingBox}, {u"Combo4", u"0.75", u"0.8", kFactorBox},
            {u"Combo4", u"0.5", u"0.8", kFactorBox}, {u"Combo4", u"abc", u"0.8", kFactorBox},
        };
        for (const auto &o : offList)
            all.push_back({"a condition none of the list's, then the list's put back: " + QString::fromUtf16(o.text).toStdString(), kind,
                           {reg(u"CV14-3C", u"30"), calc(), type(u"Combo2", u"S=2d"), calc(), shows(at2d), holds(u"Combo4", u"0.8"),
                            type(o.box, o.text), calc(), shows(none), calc(), type(u"Combo1", u"1.5"), calc(),
                            type(u"Combo1", u"2"), type(o.box, o.listed), calc()},
                           at2d, {o.refusal, o.refusal, kTwoChanges}, std::nullopt, {u"CV14-3C × 30"_qs}});
        // A lower-case spacing of the list is the list's.
        all.push_back({"a lower-case spacing", kind, {reg(u"CV14-3C", u"30"), calc(), type(u"Combo2", u"s=2d"), calc()},
                       at2d, {}, std::nullopt, {u"CV14-3C × 30"_qs}});
    }

    for (const Case &c : all) {
        TestFolder folder;
        Window w(c.kind);
        w.load();
        const std::string at = kindName(c.kind) + (": " + c.what);
        for (const Step &s : c.steps) {
            run(w, s);
            if (s.what == Step::Results)
                EXPECT_EQ(w.results(), s.results) << at;
            if (s.what == Step::Holds)
                EXPECT_EQ(w.box(s.a), s.b) << at;
        }
        EXPECT_EQ(w.results(), c.results) << at;
        EXPECT_EQ(folder.messages(), c.boxes) << at;
        if (c.label1)
            EXPECT_EQ(w.model().Label1, *c.label1) << at;
        EXPECT_EQ(w.list(), c.list) << at;
    }
}
