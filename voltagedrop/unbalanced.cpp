#include "unbalanced.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"

#include <cstdlib>
#include <functional>

namespace kb {

namespace {

const QString kLoadPrompt = QStringLiteral("負荷が無い所は入力しないで下さい。");
constexpr int kGridRows = 101;
constexpr int kGridCols = 21;

int32_t toWatts(double x) { return CLng(x); }

// A filled load box that holds no number, or a negative one (which would pass for a load on
// the other line), is as good as an empty group: the group's prompt asks for it.
bool notALoad(const QString &figure)
{
    const std::optional<double> x = tryReadNumber(figure);
    return !figure.isEmpty() && (!x || *x < 0);
}

// A sum or difference of loads that must still fit the 32-bit load values.
int32_t checked32(int64_t x)
{
    if (x < INT32_MIN || x > INT32_MAX)
        throw Overflow();
    return int32_t(x);
}

// Whether the group has a kW load, which its power factor weighs: a kW of 0 has none, so a group
// given in kVA only calculates whatever its power-factor box holds (a row read back brings its
// empty kW and factor cells back as 0).
bool hasKwLoad(const QString &kwFigure)
{
    const std::optional<double> kw = tryReadNumber(kwFigure);
    return !kwFigure.isEmpty() && (!kw || *kw != 0);
}

// kW part of a group: (kW × 1000) × power factor, rounded once.
void addKw(const LoadGroup &g, int32_t &load)
{
    if (hasKwLoad(g.kw))
        load = toWatts(CDbl(g.kw) * 1000 * Val(g.powerFactor));
}

// kVA part of a group, unweighted, added to its kW part.
void addKva(const LoadGroup &g, int32_t &load)
{
    if (!g.kva.isEmpty())
        load = toWatts(CDbl(g.kva) * 1000 + load);
}

void unbalanceInto(const LoadGroup &rn, const LoadGroup &tn, const LoadGroup &rt, UnbalanceResult &r)
{
    r = UnbalanceResult();
    addKw(rn, r.R_FUKA);
    addKw(tn, r.T_FUKA);
    addKw(rt, r.RT_FUKA);
    addKva(rn, r.R_FUKA);
    addKva(tn, r.T_FUKA);
    addKva(rt, r.RT_FUKA);
    r.FUKA_SA = checked32(std::llabs(int64_t(r.R_FUKA) - r.T_FUKA));
    r.FUKA_GOUKEI = checked32(int64_t(r.RT_FUKA) + r.R_FUKA + r.T_FUKA);
    if (r.FUKA_GOUKEI == 0)
        throw Failure(QStringLiteral("zero total load"));
    const double x = r.FUKA_SA / (r.FUKA_GOUKEI * 0.5) * 1000;
    r.rate = Str(Int(x) / 10);
}

} // namespace

UnbalanceResult unbalance(const LoadGroup &rn, const LoadGroup &tn, const LoadGroup &rt)
{
    UnbalanceResult r;
    unbalanceInto(rn, tn, rt, r);
    return r;
}

Form16Model::Form16Model()
{
    MSFlexGrid1.setShape(kGridRows, kGridCols);
    MSFlexGrid1.setFixed(1, 1);
}

QStringList Form16Model::powerFactorItems()
{
    return {QStringLiteral("1"), QStringLiteral("0.98"), QStringLiteral("0.95"), QStringLiteral("0.85"),
            QStringLiteral("0.8"), QStringLiteral("0.75"), QStringLiteral("0.7"), QStringLiteral("0.65"),
            QStringLiteral("0.6")};
}

QString Form16Model::headingText(int column)
{
    static const QStringList headings = {
        QStringLiteral("ＮＯ"),           QStringLiteral("   名　  称"),   QStringLiteral("Ｒ相(kVA)"),
        QStringLiteral("Ｒ相(kW)"),       QStringLiteral("Ｒ相力率"),      QStringLiteral("Ｔ相(kVA)"),
        QStringLiteral("Ｔ相(kW)"),       QStringLiteral("Ｔ相力率"),      QStringLiteral("Ｒ－Ｔ相(kVA)"),
        QStringLiteral("Ｒ－Ｔ相(kW)"),   QStringLiteral("Ｒ－Ｔ相力率"),  QStringLiteral("不平衡率(%)")};
    return headings.value(column);
}

int Form16Model::columnWidth(int column)
{
    return column == 0 ? 450 : column == 1 ? 1800 : 1500;
}

void Form16Model::writeHeadings()
{
    for (int r = 1; r < kGridRows; ++r)
        MSFlexGrid1.setTextMatrix(r, 0, Str(r));
    for (int c = 0; c < kGridCols; ++c)
        MSFlexGrid1.setTextMatrix(0, c, headingText(c));
}

void Form16Model::fillPowerFactor(QString &text, QStringList &items)
{
    items.clear();
    text = QStringLiteral("0.75");
    items = powerFactorItems();
}

void Form16Model::Form_Load()
{
    for (int c = 0; c < kGridCols; ++c)
        MSFlexGrid1.setColWidth(c, columnWidth(c));
    writeHeadings();
    Text1.clear();
    Text2 = QStringLiteral("1");
    for (QString *box : {&Text3, &Text4, &Text5, &Text6, &Text7, &Text8})
        box->clear();
    Label1.clear();
    Label2.clear();
    fillPowerFactor(Combo1, Combo1Items);
    fillPowerFactor(Combo2, Combo2Items);
    fillPowerFactor(Combo3, Combo3Items);
    Label1 = kLoadPrompt;
}

void Form16Model::Command1_Click()
{
    Label1 = QStringLiteral("どこでも自由に設定変更が出来ます。");
    trapped(QStringLiteral("Command1_Click"), [this] { calculate(); });
}

void Form16Model::calculate()
{
    struct Check
    {
        const QString &a;
        const QString &b;
        const char *prompt;
    };
    // Each group needs at least one filled box; a group without load is entered as 0.
    for (const Check &c : {Check{Text3, Text4, "Ｒ相の負荷をを入力して下さい。"},
                           Check{Text5, Text6, "Ｔ相の負荷をを入力して下さい。"},
                           Check{Text7, Text8, "Ｒ相－Ｔ相間の負荷をを入力して下さい。"}}) {
        if ((c.a.isEmpty() && c.b.isEmpty()) || notALoad(c.a) || notALoad(c.b)) {
            message(QString::fromUtf8(c.prompt));
            return;
        }
    }
    // A kW load without a usable power factor (none, 0, or above 1) would count
    // as no load or as more than its kVA: ask for the factor and calculate nothing.
    for (const Check &c : {Check{Text4, Combo1, "Ｒ相の力率を設定して下さい。"},
                           Check{Text6, Combo2, "Ｔ相の力率を設定して下さい。"},
                           Check{Text8, Combo3, "Ｒ－Ｔ相の力率を設定して下さい。"}}) {
        // A factor read back from a damaged cell is no factor either.
        if (hasKwLoad(c.a) && (isUnreadable(c.b) || !(Val(c.b) > 0 && Val(c.b) <= 1))) {
            message(QString::fromUtf8(c.prompt));
            return;
        }
    }
    unbalanceInto({Text3, Text4, Combo1}, {Text5, Text6, Combo2}, {Text7, Text8, Combo3}, loads);
    Label2 = loads.rate;
    if (CDbl(Label2) > 40)
        message(QStringLiteral("不平衡です。負荷のバランスを調整してください。"));
    trapped(QStringLiteral("GR_HYOJI"), [this] { GR_HYOJI(); });
}

void Form16Model::GR_HYOJI()
{
    const int16_t row = CInt(CDbl(Text2));
    // Row 0 holds the headings: a data number must name a result row.
    if (row < 1 || row >= kGridRows)
        throw Failure(QStringLiteral("data number outside the grid"));
    // A group given in kVA only shows no power factor.
    if (Text4.isEmpty())
        Combo1.clear();
    if (Text6.isEmpty())
        Combo2.clear();
    if (Text8.isEmpty())
        Combo3.clear();
    MSFlexGrid1.writeRow(row, {Text1, Text3, Text4, Combo1, Text5, Text6, Combo2, Text7, Text8, Combo3, Label2});
}

void Form16Model::Command2_Click()
{
    trapped(QStringLiteral("Command2_Click"), [this] {
        Text2 = Str(MSFlexGrid1.nextDataNumber(CDbl(Text2)));
        Text1.clear();
        for (QString *box : {&Text3, &Text4, &Text5, &Text6, &Text7, &Text8})
            box->clear();
        Label1.clear();
        Label2.clear();
        // A chosen power factor carries over; an emptied one gets the default back.
        for (QString *pf : {&Combo1, &Combo2, &Combo3}) {
            if (pf->isEmpty())
                *pf = QStringLiteral("0.75");
        }
        Label1 = kLoadPrompt;
    });
}

void Form16Model::Command3_Click()
{
    if (SENTAKU_GYOU == 0) {
        message(QStringLiteral("読込む行番号を選択後にクリックして下さい。"));
        return;
    }
    try {
        const int row = SENTAKU_GYOU;
        QString *targets[] = {&Text2, &Text1, &Text3, &Text4, &Combo1, &Text5, &Text6, &Combo2, &Text7, &Text8, &Combo3, &Label2};
        for (int c = 0; c <= 11; ++c) {
            const QString cell = MSFlexGrid1.textMatrix(row, c);
            // The name and the R-N kW figure come back as typed; every other cell by its number.
            *targets[c] = (c == 1 || c == 3) ? cell : numberShown(cell);
        }
        SENTAKU_GYOU = 0;
    } catch (...) {
        // The read-back reports nothing: every cell is read by its numeric prefix.
    }
}

void Form16Model::MSFlexGrid1_Click()
{
    trapped(QStringLiteral("MSFlexGrid1_Click"), [this] { SENTAKU_GYOU = int16_t(MSFlexGrid1.row()); });
}

void Form16Model::GR_CLIA()
{
    MSFlexGrid1.clear();
    writeHeadings();
}

void Form16Model::IDM_ALLCLIA_Click()
{
    GR_CLIA();
    Command2_Click();
    Text2 = QStringLiteral("1");
}

} // namespace kb
