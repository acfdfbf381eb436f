#include "cablelist.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"
#include "refdata.h"

namespace kb {

namespace {

const QString kNoCableName = u"電線名称を入力してください。"_qs;
const QString kPickRowToDelete = u"削除するケーブル名称をクリックしてから「削除」をクリックして下さい。"_qs;

} // namespace

CableListModel::Busy::Busy(CableListModel &m) : m_model(m)
{
    if (m_model.m_busyDepth++ == 0 && m_model.beginBusy)
        m_model.beginBusy();
}

CableListModel::Busy::~Busy()
{
    if (--m_model.m_busyDepth == 0 && m_model.endBusy)
        m_model.endBusy();
}

CableListModel::CableListModel(Field3 field3, const QStringList &headings, const int (&widths)[6])
    : CABLE_DATA(emptyTable(db::CablePipe)), m_headings(headings), m_field3(field3)
{
    for (int i = 1; i <= 20; ++i)
        Combo5Items.append(Str(i));
    MSFlexGrid1.setShape(kGridRows, kColumns);
    MSFlexGrid1.setFixed(1, 0);
    for (int c = 0; c < kColumns; ++c)
        MSFlexGrid1.setColWidth(c, widths[c]);
}

void CableListModel::writeHeadings()
{
    for (int c = 0; c < kColumns; ++c)
        MSFlexGrid1.setTextMatrix(0, c, m_headings.value(c));
}

void CableListModel::clearRegisteredRows()
{
    for (int r = 1; r <= TOROKU_SUU; ++r)
        DENSEN_TOROKU[r] = Row{};
}

void CableListModel::loadTable()
{
    loadDatabase(db::CablePipe, CABLE_DATA);
}

int CableListModel::registeredCount() const
{
    int16_t n = 0;
    for (int r = 1; r <= TOROKU_SUU; ++r)
        n = CInt(n + Val(DENSEN_TOROKU[r][1]));
    return n;
}

void CableListModel::startNextCalculation(QString &number, const std::function<void()> &resetBoxes)
{
    const std::optional<double> value = tryReadNumber(number);
    resetBoxes();
    Combo3.clear();
    Combo5 = u"1"_qs;
    KENSAKU_GYOU = 0;
    TOROKU_SUU = 0;
    if (!value)
        throw Failure(u"the calculation number does not read as a number"_qs);
    number = Str(*value + 1);
}

double fieldNumber(const CableListModel::Row &row, int field)
{
    return CDbl(row[field - 1]);
}

void CableListModel::showRow(int r)
{
    for (int c = 0; c < kColumns; ++c)
        MSFlexGrid1.setTextMatrix(r, c, DENSEN_TOROKU[r][c]);
}

void CableListModel::Command1_Click()
{
    registrationPressed();
    if (isBlankName(Combo3)) {
        message(kNoCableName);
        focusRequest = u"Combo3"_qs;
        return;
    }
    if (SAKUJO_MODE == 1) {
        deleteRow();
        return;
    }
    trapped(u"Command1_Click"_qs, [&] { registerCable(); });
}

void CableListModel::registerCable()
{
    // A count that is no whole number of cables (empty, no number, 0, negative, a fraction)
    // asks for the count.
    std::optional<double> count = tryReadNumber(Combo5);
    if (count && (*count < 1 || Int(*count) != *count))
        count.reset();
    DENSEN_MEI = trimTrailingBlanks(Combo3);
    Label1 = u"ケーブルは "_qs + DENSEN_MEI + u" です。"_qs;
    if (!count) {
        Label1 = u"電線本数を設定して下さい。"_qs;
        return;
    }
    // Rows that run out without the end marker name no cable either; a row without a
    // usable diameter (section) or weight is as good as no row.
    const int r = findCableRow(CABLE_DATA, DENSEN_MEI);
    const CableNumbers numbers = cableNumbers(CABLE_DATA, r);
    const std::optional<double> size = m_field3 == Field3::OuterDiameter ? numbers.outerDiameter : numbers.sectionArea;
    const std::optional<double> weight = numbers.unitWeight;
    if (!size || !weight) {
        message(u"該当電線がありません、電線名称を確認してやり直して下さい。"_qs);
        return;
    }
    const int n = TOROKU_SUU + 1;
    if (n >= kGridRows)
        throw Failure(u"the cable list is full"_qs);
    Row row;
    row[0] = DENSEN_MEI;
    row[1] = Combo5;
    row[2] = Str(*size);
    row[3] = Str(CDbl(row[2]) * CDbl(row[1]));
    row[4] = Str(*weight / 1000);
    row[5] = Str(CDbl(row[4]) * CDbl(row[1]));
    DENSEN_TOROKU[n] = row;
    TOROKU_SUU = n;
    showRow(TOROKU_SUU);
    MSFlexGrid1.revealRow(TOROKU_SUU);
    Label1 = u"登録が済んだら「計算」を押して下さい。追加登録は続けて下さい。"_qs;
    Command1 = u"登録完了"_qs;
    Combo5 = u"1"_qs;
    if (KENSAKU_HYOJI == 1)
        IDM_KENSASAKUJO_Click();
}

void CableListModel::deleteRow()
{
    const int s = SENTAKU_GYOU;
    const int n = TOROKU_SUU;
    Label1 = u"削除行番号は"_qs + Str(s) + u"です。再計算する為「計算」ボタンを押してください。"_qs;
    trapped(u"Command1_Click"_qs, [&] {
        if (s < 1 || s > n) {
            // No row chosen, or one below the list: no registered row is picked,
            // the list stays as shown and the window asks for the pick again.
            Label1 = kPickRowToDelete;
            return;
        }
        for (int i = s; i <= n; ++i) {
            DENSEN_TOROKU[i] = DENSEN_TOROKU[i + 1];
            showRow(i);
        }
        TOROKU_SUU = n - 1;
        SAKUJO_MODE = 0;
        Command1 = u"電線登録"_qs;
    });
}

void CableListModel::IDM_SAKUJO_Click()
{
    SAKUJO_MODE = 1;
    Command1 = u"削　除"_qs;
    Label1 = kPickRowToDelete;
}

void CableListModel::MSFlexGrid1_Click()
{
    trapped(u"MSFlexGrid1_Click"_qs, [&] {
        const QString text = MSFlexGrid1.text();
        if (!text.isEmpty())
            Combo3 = text;
        SENTAKU_GYOU = MSFlexGrid1.row();
    });
}

void CableListModel::Command7_Click()
{
    if (isBlankName(Combo3)) {
        message(kNoCableName);
        if (m_focusOnEmptySearch)
            focusRequest = u"Combo3"_qs;
        return;
    }
    std::optional<Busy> busy;
    if (m_busyFromSearchStart)
        busy.emplace(*this);
    trapped(u"Command7_Click"_qs, [&] {
        IDM_KENSASAKUJO_Click();
        KENSAKU_HYOJI = 1;
        KENSAKU_GYOU = TOROKU_SUU + 2;
        DENSEN_MEI = trimTrailingBlanks(Combo3);
        MSFlexGrid1.setTextMatrix(KENSAKU_GYOU, 0, u"登録電線は下記です。"_qs);
        if (!busy)
            busy.emplace(*this);
        scanCableRows(CABLE_DATA, DENSEN_MEI, [&](int row) {
            // Past the last grid row this fails, and the listing ends at the row written last.
            MSFlexGrid1.setTextMatrix(KENSAKU_GYOU + 1, 0, trimTrailingBlanks(CABLE_DATA.at(1, row)));
            ++KENSAKU_GYOU;
        }, SubtypePass::EveryPrefix);
        busy.reset();
        Label1 = u"ケーブルを選択後本数を設定し、電線登録を押して下さい。"_qs;
    });
}

void CableListModel::IDM_KENSASAKUJO_Click()
{
    for (int r = TOROKU_SUU + 1; r <= KENSAKU_GYOU && r < kGridRows; ++r)
        MSFlexGrid1.setTextMatrix(r, 0, QString());
    KENSAKU_HYOJI = 0;
}

const QVector<CableKindMenuItem> &CableListModel::cableKinds() const
{
    using K = CableKind;
    static const QVector<CableKindMenuItem> rack = {
        {"IDM_TUCA", u"低圧電線・ケーブル"_qs, u"低圧電線・ｹｰﾌﾞﾙ"_qs, K::LowVoltage, false, false, nullptr},
        {"IDM_KOUATU", u"高圧ケーブル"_qs, u"高圧電線・ケーブル"_qs, K::HighVoltage, false, false, nullptr},
        {"IDM_JAKU", u"弱電ケーブル"_qs, u"弱電ケーブル"_qs, K::WeakCurrent, false, false, nullptr},
        {"IDM_DOJIKU", u"通信ケーブル"_qs, u"通信(電話)ケーブル"_qs, K::Communication, false, false, nullptr},
        {"IDM_ECOTEIATU", u"エコ低圧ケーブル"_qs, u"エコ低圧ケーブル"_qs, K::LowVoltage, true, true, "IDM_KUGIRI1"},
        {"IDM_EMKOATU", u"エコ高圧ケーブル"_qs, u"エコ高圧ケーブル"_qs, K::HighVoltage, true, false, nullptr},
        {"IDM_JAKUECO", u"エコ弱電ケーブル"_qs, u"エコ弱電ケーブル"_qs, K::WeakCurrent, true, false, nullptr},
        {"IDM_EMDOJIKU", u"エコ通信ケーブル"_qs, u"エコ通信(電話)"_qs, K::Communication, true, false, nullptr},
    };
    static const QVector<CableKindMenuItem> raceway = [] {
        QVector<CableKindMenuItem> items;
        for (CableKindMenuItem item : rack) {
            if (item.kind == K::HighVoltage)
                continue;
            if (QLatin1String(item.action) == QLatin1String("IDM_EMDOJIKU"))
                item.kindCaption = u"エコ通信(電話)ｹｰﾌﾞﾙ"_qs;
            items.append(item);
        }
        return items;
    }();
    return m_racewayKinds ? raceway : rack;
}

void CableListModel::cableKind_Click(QStringView action)
{
    for (const CableKindMenuItem &item : cableKinds()) {
        if (action != QLatin1String(item.action))
            continue;
        Label10 = item.kindCaption;
        Combo3Items = cableNameList(CABLE_DATA, item.kind, item.eco);
        Combo3.clear();
    }
}

ControlBindings CableListModel::cableListBindings()
{
    return {
        {u"Combo3"_qs, &Combo3, &Combo3Items},
        {u"Combo5"_qs, &Combo5, &Combo5Items},
        {u"Label1"_qs, &Label1},
        {u"Label10"_qs, &Label10},
        {u"Command1"_qs, &Command1},
    };
}

} // namespace kb
