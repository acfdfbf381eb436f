#include "form27model.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"

namespace kb::pullbox {

namespace {
QStringList numbers(int from, int to)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << Str(i);
    return items;
}
} // namespace

Form27Model::Form27Model()
{
    Combo1Items = QStringList{QStringLiteral("19"), QStringLiteral("25"), QStringLiteral("31"), QStringLiteral("39"),
                              QStringLiteral("51"), QStringLiteral("63"), QStringLiteral("75"), QStringLiteral("---"),
                              QStringLiteral("16"), QStringLiteral("22"), QStringLiteral("28"), QStringLiteral("36"),
                              QStringLiteral("42"), QStringLiteral("54"), QStringLiteral("70"), QStringLiteral("82"),
                              QStringLiteral("92"), QStringLiteral("104")};
    Combo2Items = numbers(1, 20);
    Combo3Items = QStringList{QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30")};
    for (int gap = 35; gap <= 100; gap += 5)
        Combo3Items << Str(gap);
    Combo4Items = numbers(1, 8);
    MSFlexGrid1.setShape(10, 31);
    MSFlexGrid1.setFixed(1, 1);
    MSFlexGrid2.setShape(20, 2);
    MSFlexGrid2.setFixed(1, 1);
}

void Form27Model::Form_Load()
{
    HAIKAN_SUU = 0;
    Label1 = QStringLiteral("配管サイズ");
    Label2 = QStringLiteral("本　数");
    Label3 = QStringLiteral("すき間");
    Label4.clear();
    Label5 = QStringLiteral("段　数");
    Combo1 = QStringLiteral("19");
    Combo2 = QStringLiteral("1");
    Combo3 = QStringLiteral("40");
    Combo4 = QStringLiteral("1");
    Command1 = QStringLiteral("下段・太い順");
    Command2 = QStringLiteral("上段・太い順");
    Command3 = QStringLiteral("左側・太い順");
    Command4 = QStringLiteral("右側・太い順");
    Command5 = QStringLiteral("登録");

    MSFlexGrid1.clear();
    MSFlexGrid1.setColWidth(0, 600);
    MSFlexGrid1.setColWidth(1, 1000);
    MSFlexGrid1.setColWidth(2, 700);
    for (int c = 3; c <= 30; ++c)
        MSFlexGrid1.setColWidth(c, c % 2 ? 400 : 600);
    MSFlexGrid1.setTextMatrix(0, 0, QStringLiteral("段数"));
    MSFlexGrid1.setTextMatrix(0, 1, QStringLiteral("合計寸法"));
    for (int c = 2; c <= 30; c += 2)
        MSFlexGrid1.setTextMatrix(0, c, QStringLiteral("  ") + Str(c / 2));

    MSFlexGrid2.clear();
    MSFlexGrid2.setColWidth(0, 500);
    MSFlexGrid2.setColWidth(1, 900);
    MSFlexGrid2.setTextMatrix(0, 0, QStringLiteral("NO,"));
    MSFlexGrid2.setTextMatrix(0, 1, QStringLiteral("サイズ"));
}

void Form27Model::Command5_Click()
{
    // The count and the size are read, and the room in the list checked, before the
    // list grows: a rejected entry (a negative count, a size of 0 or below) leaves
    // the list as it was.
    trapped(QStringLiteral("Command5_Click"), [&] {
        const int16_t count = CInt(CDbl(Combo2));
        const int16_t size = CInt(CDbl(Combo1));
        if (count < 0 || size <= 0)
            throw Failure(QStringLiteral("no such count or size of conduits"));
        if (HAIKAN_SUU + count > kListRows)
            throw Failure(QStringLiteral("the list is full"));
        for (int i = 0; i < count; ++i) {
            HAIKAN_SUU = int16_t(HAIKAN_SUU + 1);
            MSFlexGrid2.setTextMatrix(HAIKAN_SUU, 0, Str(HAIKAN_SUU));
            MSFlexGrid2.setTextMatrix(HAIKAN_SUU, 1, Str(size));
        }
    });
}

// The total is the sum of the listed sizes plus one gap between each pair of neighbours.
void Form27Model::GOUKEI_SUNPOU()
{
    const int16_t gap = CInt(CDbl(Combo3));
    auto seq = SUNPOU_RETSU;
    for (int i = 1; i <= HAIKAN_SUU; ++i)
        seq[2 * i - 1] = CInt(CDbl(MSFlexGrid2.textMatrix(i, 1)));
    for (int i = 1; i < HAIKAN_SUU; ++i)
        seq[2 * i] = gap;
    int16_t total = 0;
    for (int k = 1; k <= 2 * HAIKAN_SUU - 1; ++k)
        total = CInt(double(total) + seq[k]);
    SUKIMA = gap;
    SUNPOU_RETSU = seq;
    GOUKEI = total;
    Label4 = Str(SUKIMA) + QStringLiteral("  ") + Str(SUNPOU_RETSU[2]) + QStringLiteral("  ") + Str(GOUKEI);
}

void Form27Model::Command1_Click()
{
    // A gap or size that is not a number, or a total beyond 16 bits, changes nothing.
    trapped(QStringLiteral("Command1_Click"), [&] {
        GOUKEI_SUNPOU();
        MSFlexGrid1.setTextMatrix(1, 1, Str(GOUKEI));
    });
}

} // namespace kb::pullbox
