#include "form11model.h"

#include <QStringList>

#include "conductorsizing.h"
#include "dialogs.h"
#include "feederstep.h"
#include "numtext.h"
#include "refdata.h"

#include <array>

namespace kb::feeder {

namespace {

// Largest-motor classes: upper bound in kW, class direct-on-line, class with a starter.
struct ClassRung
{
    double upTo;
    int direct;
    int starter;
};
constexpr std::array<ClassRung, 10> kClasses{{
    {2.2, 5, 5}, {3.7, 6, 5}, {5.5, 7, 6}, {7.5, 8, 7}, {11, 9, 8},
    {15, 10, 8}, {19, 11, 9}, {22, 12, 9}, {30, 13, 11}, {37, 14, 11},
}};

// This calculator's earth ladder ends at 600 A.
const vd::EarthRung kEarth[] = {{30, "2"}, {50, "3.5"}, {100, "5.5"}, {150, "8"}, {200, "14"}, {400, "22"}, {600, "38"}};

} // namespace

int packageClass(double m, bool starter)
{
    for (const ClassRung &c : kClasses)
        if (m <= c.upTo)
            return starter ? c.starter : c.direct;
    return 0;
}

QString packageEarth(int rating)
{
    return vd::earthSize(rating, kEarth, QString());
}

QString packageBond(double unitKw)
{
    if (unitKw <= 7.5)
        return QStringLiteral("2.0");
    if (unitKw <= 22)
        return QStringLiteral("5.5");
    if (unitKw <= 37)
        return QStringLiteral("14");
    return {};
}

Form11Model::Form11Model()
    : DD(emptyTable(db::CableSize))
{
    MSFlexGrid1.setShape(101, 15);
    MSFlexGrid1.setFixed(1, 1);
}

void Form11Model::Command1_Click()
{
    command([&] { calculate(); });
}

void Form11Model::calculate()
{
    // A capacity typed as no number ("5.5kW", "1,000") asks for it as an empty box does.
    if (!tryReadNumber(Combo1))
        endWith(QStringLiteral("負荷全体の容量を入力してください。"));
    if (!tryReadNumber(Combo2))
        endWith(QStringLiteral("負荷の中で最大の容量を入力してください。"));
    const QString tooLarge = QStringLiteral("直入れ又は始動器使用電動機の容量が大きすぎます。");
    // A largest motor whose class the table gives no rating for (above 37 kW, or
    // a water-cooled unit's class 14) is refused like one larger than the unit.
    if (!ratingColumn())
        endWith(tooLarge);
    Text1Enabled = Text4Enabled = Text5Enabled = true;
    if (Option1 == 0 && CDbl(Combo1) < Val(Combo2))
        endWith(tooLarge);
    if (Option1 == 1) {
        Text4.clear();
        Text4Enabled = false;
    }
    int found = 0;
    for (int r = 121; r <= 145 && !found; ++r)
        if (sameText(DD.at(1, r), Combo1))
            found = r;
    // A row whose cells the results come from could not be read whole is no row for the unit:
    // no result is made from its readable part.
    if (!found || !readableRow(found))
        endWith(QStringLiteral("適合するパッケージが登録されていません"));
    TAISHOU_GYOU = int16_t(found);

    step(QStringLiteral("HYOU_JI"), [&] { HYOU_JI(); });
    step(QStringLiteral("EARTH_SAIZU"), [&] { EARTH_SAIZU(); });
    step(QStringLiteral("GR_TENSOU"), [&] { GR_TENSOU(); });
    Label1 = QStringLiteral("設定変更は開閉器の種別のみで可能です。");
}

int Form11Model::ratingColumn() const
{
    const int cls = packageClass(Val(Combo2), Option3 == 1);
    const int column = cls + (Option1 == 0 ? 0 : 12);
    return cls != 0 && column <= DD.columns() ? column : 0;
}

bool Form11Model::readableRow(int g) const
{
    const int offset = Option1 == 0 ? 0 : 12;
    const QString *cells[] = {&DD.at(3 + offset, g), &DD.at(4 + offset, g),
                              &DD.at(ratingColumn(), Option2 == 0 ? g : g + 1)};
    if (Option1 == 0 && isUnreadable(DD.at(2, g)))
        return false;
    for (const QString *cell : cells)
        if (isUnreadable(*cell))
            return false;
    return true;
}

void Form11Model::HYOU_JI()
{
    const int g = TAISHOU_GYOU;
    const int offset = Option1 == 0 ? 0 : 12;
    if (Option1 == 0)
        Text4 = DD.at(2, g) + QStringLiteral("kW");
    Text1.clear();
    Text5.clear();
    Text1 = DD.at(4 + offset, g);
    Text5 = QStringLiteral("IV") + DD.at(3 + offset, g);
    const int column = ratingColumn();
    if (!column)
        throw Failure(QStringLiteral("no rating column for the largest motor"));
    const bool breaker = Option2 == 0;
    Label5 = DD.at(column, breaker ? g : g + 1) + QStringLiteral("AF");
    Label9 = breaker ? QStringLiteral("過電流遮断器") : QStringLiteral("開閉器");
}

void Form11Model::EARTH_SAIZU()
{
    const QString earth = packageEarth(CInt(Val(Label5)));
    Label6 = QStringLiteral("E") + earth + QStringLiteral("mm2");
    Label8 = QStringLiteral("ﾎﾞﾝﾄﾞ") + packageBond(Val(Combo1));
    const QString wireKey = Text5.mid(2, 5);
    const bool thick = sameText(FUSETU_HOUHOU, u"G");
    const QString noConduit = QStringLiteral("電線とアース線に対応する配管サイズが登録されていません");
    for (int r = 150; r <= 190; ++r)
        if (sameText(DD.at(1, r), wireKey) && sameText(DD.at(2, r), earth)) {
            const QString &conduit = DD.at(thick ? 4 : 3, r), &flexible = DD.at(5, r);
            // The row's conduit could not be read whole: the press is refused and takes back
            // what it has shown, so that no row is written without its conduit.
            if (isUnreadable(conduit) || isUnreadable(flexible)) {
                for (QString *box : {&Text1, &Text5, &Label5, &Label6, &Label7, &Label8, &Label9})
                    box->clear();
                if (Option1 == 0)
                    Text4.clear();
                endWith(noConduit);
            }
            Label7 = conduit + QStringLiteral("  ﾌﾟﾘｶ") + flexible;
            return;
        }
    // No row for the wire and earth: the caption must not show another wire's conduit.
    Label7.clear();
    message(noConduit);
}

void Form11Model::GR_TENSOU()
{
    const int row = dataRow(Text2, MSFlexGrid1);
    const bool breaker = Option2 == 0;
    MSFlexGrid1.writeRow(row,
             {Text3, Option1 == 0 ? QStringLiteral("空冷式") : QStringLiteral("水冷式"), Combo1, Text4, Combo2,
              Option3 == 0 ? QStringLiteral("直入れ") : QStringLiteral("始動器"), Text5, Text1,
              breaker ? Label5 : QString(), breaker ? QString() : Label5, Label7, Label6, Label8});
}

// ---- The window around the calculation ----

namespace {
const QString kPrompt = QStringLiteral("必須条件及び始動方法を選択入力して下さい。");
const int kWidths[] = {450, 1800, 1400, 1400, 1300, 1600, 1100, 1400, 1300, 1600, 1100, 2000, 1100, 1100, 1800};
} // namespace

const QStringList Form11Model::Headings = {
    QStringLiteral("　名　　称　"), QStringLiteral("水冷又空冷"), QStringLiteral("ユニット(kW)"), QStringLiteral("送風機(kW)"),
    QStringLiteral("最大の電動機"), QStringLiteral("始動方法"), QStringLiteral("電線サイズ"), QStringLiteral("電線長さ(m)"),
    QStringLiteral("過電流遮断器"), QStringLiteral("開閉器"), QStringLiteral("配管サイズ"), QStringLiteral("アース線"),
    QStringLiteral("ボンド線"), QStringLiteral("予　備"),
};

namespace {
const QStringList kUnitOutputs = {QStringLiteral("2.2"), QStringLiteral("3.7"), QStringLiteral("5.5"), QStringLiteral("7.5"),
                                  QStringLiteral("11"),  QStringLiteral("15"),  QStringLiteral("19"),  QStringLiteral("22"),
                                  QStringLiteral("30"),  QStringLiteral("37")};
} // namespace

void Form11Model::closeResultBoxes()
{
    Text1Enabled = Text4Enabled = Text5Enabled = false;
}

void Form11Model::layOutGrid()
{
    for (int c = 0; c < 15; ++c)
        MSFlexGrid1.setColWidth(c, kWidths[c]);
}

void Form11Model::setDefaults()
{
    closeResultBoxes();
    Text2 = QStringLiteral("1");
    Text3.clear();
    Option1 = Option2 = Option3 = 0;
    Combo1Items = Combo2Items = kUnitOutputs;
    Combo1.clear();
    Combo2.clear();
    FUSETU_HOUHOU = QStringLiteral("C");
    Label1 = kPrompt;
    numberRows(MSFlexGrid1, 30);
    writeHeadings(MSFlexGrid1, Headings);
}

void Form11Model::Command2_Click()
{
    Text1.clear();
    Text2 = Str(MSFlexGrid1.nextDataNumber(CDbl(Text2)));
    Text3.clear();
    Text4.clear();
    Text5.clear();
    Combo1.clear();
    Combo2.clear();
    closeResultBoxes();
    for (QString *label : {&Label5, &Label6, &Label7, &Label8, &Label9})
        label->clear();
    Label1 = kPrompt;
}

void Form11Model::Command5_Click()
{
    Text1Enabled = Text4Enabled = Text5Enabled = true;
    if (SENTAKU_GYOU == 0) {
        message(QStringLiteral("読込む行番号を選択後にクリックして下さい。"));
        return;
    }
    const GridRowReader g{MSFlexGrid1, SENTAKU_GYOU};
    Text2 = g.dataNumber();
    Text3 = g.trimmed(1);
    if (g.trimmed(2) == QStringLiteral("空冷式"))
        Option1 = 0;
    else if (g.trimmed(2) == QStringLiteral("水冷式"))
        Option1 = 1;
    Combo1 = g.number(3);
    Text4 = g.number(4);
    if (Text4 == QLatin1String("0"))
        Text4.clear();
    Combo2 = g.number(5);
    if (g.trimmed(6) == QStringLiteral("直入れ"))
        Option3 = 0;
    else if (g.trimmed(6) == QStringLiteral("始動器"))
        Option3 = 1;
    Text5 = g.cell(7);
    Text1 = g.number(8);
    if (!g.cell(9).isEmpty())
        Option2 = 0;
    if (!g.cell(10).isEmpty())
        Option2 = 1;
    Label7 = g.cell(11);
    Label6 = g.cell(12);
    Label8 = g.cell(13);
    SENTAKU_GYOU = 0;
}

void Form11Model::MSFlexGrid1_Click()
{
    SENTAKU_GYOU = CInt(MSFlexGrid1.row());
}

void Form11Model::GR_CLIA()
{
    resetGrid(MSFlexGrid1, Headings);
}

void Form11Model::IDM_ALLCLIA_Click()
{
    clearAll([&] { GR_CLIA(); }, [&] { Command2_Click(); }, Text2);
}

void Form11Model::IDM_USUI_Click()
{
    setting(FUSETU_HOUHOU, QStringLiteral("C"), Label1, QStringLiteral("薄鋼配管「Ｃ」に設定"));
}

void Form11Model::IDM_ATUKO_Click()
{
    setting(FUSETU_HOUHOU, QStringLiteral("G"), Label1, QStringLiteral("厚鋼配管「Ｇ」に設定"));
}

} // namespace kb::feeder
