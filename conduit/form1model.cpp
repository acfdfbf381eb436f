#include "form1model.h"

#include "cablesearch.h"
#include "cellfile.h"
#include "conduitresultfile.h"
#include "dialogs.h"
#include "fillratio.h"
#include "gridviews.h"
#include "numtext.h"
#include "refdata.h"

#include <optional>

namespace kb {

const QStringList kForm1Headings = {
    u"ＮＯ"_qs, u"電線サイズ"_qs, QString(), u"断面積累計"_qs, u"外形寸法"_qs, u"外形累計"_qs,
    u"断面積"_qs, u"補正係数"_qs, u"重　量 g/m"_qs, u"条　件"_qs, u"予　備"_qs,
};
const int kForm1ColumnWidths[11] = {450, 2850, 1750, 1400, 1200, 1300, 1300, 1300, 1500, 1000, 1000};

namespace {

const QString kResultFilter = QStringLiteral("データ－ファイル(*.qvx)|*.qvx");
const QString kNoCableName = QStringLiteral("電線名称を入力してください。");
const QString kPickRowToDelete = QStringLiteral("削除する行番号を選択後、「削除」ボタンを押して下さい。");
const QString kPfcdCapMessage = QStringLiteral("配管サイズの上限をPF-CD(28)に設定しました。");
const QString kPfcdCap = QStringLiteral("PF-CD(28)");
const QString kFocusCableName = QStringLiteral("Combo3");

} // namespace

// The window's busy state for the length of a scope; nested scopes count once.
class Form1Model::Busy
{
public:
    explicit Busy(Form1Model &m) : m_model(m)
    {
        if (m_model.m_busyDepth++ == 0 && m_model.beginBusy)
            m_model.beginBusy();
    }
    ~Busy()
    {
        if (--m_model.m_busyDepth == 0 && m_model.endBusy)
            m_model.endBusy();
    }
    Busy(const Busy &) = delete;
    Busy &operator=(const Busy &) = delete;

private:
    Form1Model &m_model;
};

Form1Model::Form1Model() : CABLE_DATA(emptyTable(db::CablePipe))
{
    for (const ConduitType &t : conduitTypes())
        Combo1Items.append(t.name);
    for (int i = 1; i <= 30; ++i)
        Combo5Items.append(Str(i));
    Combo7Items = QStringList{u"20%"_qs, u"25%"_qs, u"32%"_qs, u"40%"_qs, u"48%"_qs, u"50%"_qs};
    MSFlexGrid1.setShape(kMaxCables + 1, 11);
    MSFlexGrid1.setFixed(1, 1);
}

QString Form1Model::KURIA_SETTEI() const
{
    return CABLE_DATA.at(kSettingColumn, kClearSettingRow);
}

// ---------------------------------------------------------------- the window

void Form1Model::Form_Load()
{
    SAKUJO_MODE = 0;
    KENSAKU_GYOU = 0;
    Command3_Click();
    for (int c = 0; c < 11; ++c)
        MSFlexGrid1.setColWidth(c, kForm1ColumnWidths[c]);
    Combo1Enabled = false;
    Combo6Enabled = false;
    Combo3Enabled = true;
    MSFlexGrid1.setTextMatrix(0, 0, kForm1Headings[0]);
    for (int r = 1; r <= kMaxCables; ++r)
        MSFlexGrid1.setTextMatrix(r, 0, Str(r));
    for (int c = 1; c <= 10; ++c)
        MSFlexGrid1.setTextMatrix(0, c, kForm1Headings[c]);
    writeSizeHeading();

    Busy busy(*this);
    trapped(u"Form_Load"_qs, [&] {
        if (loadDatabase()) {
            Label1 = u"いつもお仕事ご苦労さまです。 "_qs + settings.modeSentence()
                     + u"ﾃﾞｰﾀ－NO,(名称)、電線の名称、本数を記入して下さい。"_qs;
            Combo3.clear();
            Combo3Items = cableNameList(CABLE_DATA, CableKind::LowVoltage, false);
        } else {
            Label1 = u"ﾃﾞｰﾀ－のENDを検出出ませんでした。ENDを設定してください。"_qs;
            if (CABLE_DATA.at(1, 1).isEmpty())
                Label1 = u"ファイル ｢CABLE-PIPE.qvx｣ を読み込んでください。"_qs;
        }
    });
}

// Rows 1 to 300 whole, the settings, then the cable rows up to the first END cell in
// any column; the rest of that row and every later row stay empty. True when the
// END cell was found.
bool Form1Model::loadDatabase()
{
    const CellFileReader reader(databasePath(db::CablePipe));
    const int columns = db::CablePipe.columns;
    for (int r = 1; r < cablepipe::CableFirst; ++r)
        for (int c = 1; c <= columns; ++c)
            CABLE_DATA.set(c, r, reader.readCell(qint64(r - 1) * columns + c));
    settings.load(CABLE_DATA);
    Combo7Enabled = settings.isFree();
    for (int r = cablepipe::CableFirst; r <= cablepipe::CableLast; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const QString cell = reader.readCell(qint64(r - 1) * columns + c);
            CABLE_DATA.set(c, r, cell);
            if (isEndMarker(trimTrailingBlanks(cell)))
                return true;
        }
    }
    return false;
}

void Form1Model::Command3_Click()
{
    Busy busy(*this);
    trapped(u"Command3_Click"_qs, [&] {
        for (int r = 1; r <= TOROKU_SUU; ++r) {
            CableRecord &x = DENSEN_TOROKU[r];
            x.cableName.clear();
            x.sizeText.clear();
            x.outerDiameter = x.sectionArea = x.weight = 0;
            x.cumulativeArea = x.cumulativeDiameter = x.correctionFactor = 0;
            for (int c = 1; c <= 10; ++c)
                MSFlexGrid1.setTextMatrix(r, c, QString());
        }
        IDM_GRCLIN_Click();
        DANMEN_RITU = 32;
        MSFlexGrid1.setTextMatrix(0, 3, kForm1Headings[3]);
        MSFlexGrid1.setTextMatrix(0, 0, kForm1Headings[0]);
        writeSizeHeading();
        Command1 = u"電線登録"_qs;
        Combo5 = u"1"_qs;
        Combo7 = u"32%"_qs;
        Label1 = u"ﾃﾞｰﾀ－NO,(名称)を記入後、電線の名称、本数を記入して下さい。"_qs;
        Combo1Enabled = false;
        Combo6Enabled = false;
        Combo6.clear();
        if (isOn(KURIA_SETTEI())) {
            Text1.clear();
            Combo1.clear();
            Combo3.clear();
        }
        HAIKAN_SHUBETU.clear();
        SAIZU_KAISHI = SAIZU_SHURYOU = 0;
        SAIZU_NO = 0;
    });
}

void Form1Model::writeSizeHeading()
{
    MSFlexGrid1.setTextMatrix(0, 2, u"配管サイズ("_qs + Str(DANMEN_RITU) + u"%)"_qs);
}

// ---------------------------------------------------------------- registration list

void Form1Model::writeRecordRow(int r)
{
    MSFlexGrid1.setTextMatrix(r, 0, Str(r));
    MSFlexGrid1.setTextMatrix(r, 2, DENSEN_TOROKU[r].sizeText);
    writeCableCells(r);
}

// The cells a registration and a deletion write: name, diameter, area, factor, weight, code.
void Form1Model::writeCableCells(int r)
{
    const CableRecord &x = DENSEN_TOROKU[r];
    GridModel &g = MSFlexGrid1;
    g.setTextMatrix(r, 1, x.cableName);
    g.setTextMatrix(r, 4, StrSng(x.outerDiameter));
    g.setTextMatrix(r, 6, StrSng(x.sectionArea));
    g.setTextMatrix(r, 7, StrSng(x.correctionFactor));
    g.setTextMatrix(r, 8, x.weightText);
    g.setTextMatrix(r, 9, x.conditionText);
}

void Form1Model::Command1_Click()
{
    if (Combo3.isEmpty()) {
        message(kNoCableName);
        focusRequest = kFocusCableName;
        return;
    }
    Command4 = u"配管登録"_qs;
    Combo1Enabled = true;
    Label1 = u"配管種別設定後、配管登録ボタンを押して下さい。"_qs;
    trapped(u"Command1_Click"_qs, [&] {
        if (SAKUJO_MODE == 1) {
            DENSEN_TOUROKU_DELETE();
            return;
        }
        const QString name = trimTrailingBlanks(Combo3);
        if (!tryReadNumber(Combo5)) {
            Label1 = u"電線本数を設定して下さい。"_qs;
            return;
        }
        const int count = CInt(CDbl(Combo5));
        Label1 = u"電線は "_qs + u' ' + Str(count) + u" 本です。次に配管を設定して下さい。"_qs;
        for (int i = 0; i < count; ++i) {
            // An empty name (a box of blanks) names no cable, not an empty row.
            const int row = name.isEmpty() ? 0 : findCableRow(CABLE_DATA, name);
            const CableNumbers numbers = cableNumbers(CABLE_DATA, row);
            // A row without a usable diameter or section is as good as no row.
            if (!numbers.outerDiameter || !numbers.sectionArea) {
                message(u"該当電線がありません、電線名称をかくにんしてやり直して下さい。"_qs);
                return;
            }
            if (TOROKU_SUU >= kMaxCables)
                throw Failure(u"the list holds 100 cables"_qs);
            CableRecord &x = DENSEN_TOROKU[++TOROKU_SUU];
            x.cableName = name;
            x.outerDiameter = float(*numbers.outerDiameter);
            x.sectionArea = float(*numbers.sectionArea);
            x.conditionText = CABLE_DATA.at(4, row);
            x.weightText = CABLE_DATA.at(5, row);
            writeRecordRow(TOROKU_SUU);
            MSFlexGrid1.revealRow(TOROKU_SUU);
        }
        Command1 = u"登録完了"_qs;
        Combo5 = u"1"_qs;
        if (KENSAKU_HYOJI == 1)
            KENSAKU_KURIA();
    });
}

// Deletes the picked row; the rows below move up. Sizes and sums stay until 計算.
void Form1Model::DENSEN_TOUROKU_DELETE()
{
    const int s = SENTAKU_GYOU;
    const int n = TOROKU_SUU;
    Label1 = u"削除行番号は"_qs + Str(s) + u"です。再計算する為「計算」ボタンを押してください。"_qs;
    const auto leaveDeleteMode = [&] {
        Command1 = u"電線登録"_qs;
        SAKUJO_MODE = 0;
    };
    if (n == 0) { // nothing to delete: only the delete mode ends
        leaveDeleteMode();
        return;
    }
    // No pick, or a pick below the list: deleting would remove a cable the user
    // did not pick. The window asks for the pick again and changes nothing.
    if (s < 1 || s > n) {
        Label1 = kPickRowToDelete;
        return;
    }
    for (int x = s; x < n; ++x) {
        CableRecord &to = DENSEN_TOROKU[x];
        const CableRecord &from = DENSEN_TOROKU[x + 1];
        to.cableName = from.cableName;
        to.weightText = from.weightText;
        to.conditionText = from.conditionText;
        to.outerDiameter = from.outerDiameter;
        to.sectionArea = from.sectionArea;
        writeCableCells(x); // the row's own factor; size and sums wait for 計算
    }
    for (int c = 1; c <= 9; ++c)
        MSFlexGrid1.setTextMatrix(n, c, QString());
    TOROKU_SUU = n - 1;
    leaveDeleteMode();
}

void Form1Model::IDM_DEL_Click()
{
    SAKUJO_MODE = 1;
    Label1 = kPickRowToDelete;
    Command1 = u"削　除"_qs;
}

void Form1Model::MSFlexGrid1_Click()
{
    trapped(u"MSFlexGrid1_Click"_qs, [&] {
        const QString text = MSFlexGrid1.text();
        if (!text.isEmpty())
            Combo3 = text;
        SENTAKU_GYOU = MSFlexGrid1.row();
    });
}

// ---------------------------------------------------------------- search and kind menus

void Form1Model::Command7_Click()
{
    if (Combo3.isEmpty()) {
        message(kNoCableName);
        focusRequest = kFocusCableName;
        return;
    }
    std::optional<Busy> busy;
    trapped(u"Command7_Click"_qs, [&] {
        KENSAKU_KURIA();
        KENSAKU_HYOJI = 1;
        Combo1Enabled = true;
        KENSAKU_GYOU = TOROKU_SUU + 2;
        const QString query = trimTrailingBlanks(Combo3);
        MSFlexGrid1.setTextMatrix(KENSAKU_GYOU, 1, u"登録電線は下記です。"_qs);
        busy.emplace(*this);
        scanCableRows(CABLE_DATA, query, [&](int row) {
            const CableListing line = cableListing(CABLE_DATA, row);
            ++KENSAKU_GYOU;
            MSFlexGrid1.setTextMatrix(KENSAKU_GYOU, 1, line.name); // past row 100 this fails
            MSFlexGrid1.setTextMatrix(KENSAKU_GYOU, 4, line.outerDiameter);
            MSFlexGrid1.setTextMatrix(KENSAKU_GYOU, 6, line.sectionArea);
        });
        busy.reset();
        Label1 = u"電線サイズを選択後、本数を設定し、電線登録を押してください。"_qs;
    });
}

void Form1Model::KENSAKU_KURIA()
{
    KENSAKU_HYOJI = 0;
    for (int r = TOROKU_SUU + 1; r <= KENSAKU_GYOU && r <= kMaxCables; ++r)
        for (int c : {1, 4, 6})
            MSFlexGrid1.setTextMatrix(r, c, QString());
}

void Form1Model::cableKindMenu_Click(QStringView action)
{
    const CableKindMenuItem *item = cableKindMenuItem(action);
    if (!item)
        return;
    Command6 = item->kindCaption;
    Combo3Enabled = true;
    Combo3Items = cableNameList(CABLE_DATA, item->kind, item->eco);
    Combo3.clear();
}

// ---------------------------------------------------------------- conduit registration

void Form1Model::Command11_Click()
{
    trapped(u"Command11_Click"_qs, [&] {
        Combo6Enabled = true;
        Combo6Items.clear();
        if (const ConduitType *type = conduitType(Combo1)) {
            Combo6.clear();
            for (int r = type->firstRow; r <= type->lastRow; ++r)
                Combo6Items.append(CABLE_DATA.at(1, r));
        }
        Label1 = u"最大配管サイズを指定できます。\r\n例 : (51)を指定すると、(51)以下で適合サイズを計算します。\r\n"
                 u"必ず「カッコ」をつけて配管サイズを記入して下さい。"_qs;
    });
}

void Form1Model::Command4_Click()
{
    if (Combo3.isEmpty() && Combo1.isEmpty() && TOROKU_SUU == 0) {
        message(u"電線を先に登録してから配管を登録してください。"_qs);
        focusRequest = kFocusCableName;
        return;
    }
    const QString typeText = trimTrailingBlanks(Combo1);
    const ConduitType *type = conduitType(typeText);
    // An unknown type would keep the previous registration's sizes under a new name.
    if (!type) {
        message(u"配管種別を入力してください。"_qs);
        focusRequest = u"Combo1"_qs;
        return;
    }
    trapped(u"Command4_Click"_qs, [&] {
        // The note and the PF-CD cap look at the box as it reads, trailing blanks included.
        const bool pfcd = sameText(Combo1, u"PF-CD");
        if (sameText(Combo1, u"METAL"))
            message(u"A,B型は一種金属線ぴ扱い(32%)、C型は金属ダクト扱い(20%)で計算して下さい。"_qs);
        Label1.clear();
        if (Combo6.isEmpty() && pfcd && settings.pfcdCapOn()) {
            Combo6 = kPfcdCap;
            Label1 = kPfcdCapMessage;
        }
        HAIKAN_SHUBETU = typeText;
        const QString maxSize = trimTrailingBlanks(Combo6);
        KOKUDO_KEISAN();
        SAIZU_KAISHI = type->firstRow;
        SAIZU_SHURYOU = type->lastRow - cutOffCount(*type, maxSize);
        Combo3Enabled = true;
        if (Combo7.isEmpty())
            Label1 = u"断面積を設定して下さい。"_qs;
        DANMEN_RITU = CInt(Val(trimTrailingBlanks(Combo7)));
        for (int r = SAIZU_KAISHI; r <= SAIZU_SHURYOU; ++r) {
            const int j = r - SAIZU_KAISHI + 1;
            SAIZU_MEI[j] = trimTrailingBlanks(CABLE_DATA.at(1, r));
            KYOYOU_MENSEKI[j] = allowableArea(Val(CABLE_DATA.at(3, r)), DANMEN_RITU);
        }
        writeSizeHeading();
        if (settings.pfcdCapOn() && pfcd && sameText(Combo6, kPfcdCap))
            Label1 = kPfcdCapMessage;
        Command4 = u"登録完了"_qs;
    });
}

void Form1Model::KOKUDO_KEISAN()
{
    trapped(u"KOKUDO_KEISAN"_qs, [&] {
        FillInputs in;
        in.conditionCode = CInt(Val(MSFlexGrid1.textMatrix(1, 9)));
        in.sameNames = sameText(MSFlexGrid1.textMatrix(1, 1), MSFlexGrid1.textMatrix(2, 1));
        in.cableCount = TOROKU_SUU;
        in.cableBox = Combo3;
        if (const auto choice = chooseFillRatio(in, settings)) {
            Combo7 = choice->fillText;
            Label1 = choice->status;
        }
        DANMEN_RITU = CInt(Val(trimTrailingBlanks(Combo7)));
        writeSizeHeading();
    });
}

// ---------------------------------------------------------------- calculation

void Form1Model::Command2_Click()
{
    if (TOROKU_SUU < 1 || DENSEN_TOROKU[1].cableName.isEmpty()) {
        message(u"先に電線・ケーブルを登録して下さい｡"_qs);
        return;
    }
    if (HAIKAN_SHUBETU.isEmpty()) {
        message(u"先に配管を登録して下さい｡"_qs);
        return;
    }
    Command1 = u"電線登録"_qs;
    Command4 = u"配管登録"_qs;
    Busy busy(*this);
    try {
        const SizeCalculation calc{DENSEN_TOROKU, TOROKU_SUU, HAIKAN_SHUBETU, allowedSizes(), SAIZU_MEI,
                                   KYOYOU_MENSEKI, settings.wiringCodeOn(), Combo1, Combo3};
        if (const auto chosen = calculateConduitSizes(calc, MSFlexGrid1))
            SAIZU_NO = *chosen;
    } catch (...) {
        message(u"配管サイズを大きくして再度「計算」を押してください。\nエラーが発生しました。。Command2_Click"_qs);
    }
}

// ---------------------------------------------------------------- result file

void Form1Model::IDM_DSAVE_Click()
{
    Label1 = u"データ－NO="_qs + Text1 + u"です。  電線本数 DC="_qs + Str(TOROKU_SUU) + u"です。  ％断面積 PSC="_qs
             + Str(DANMEN_RITU) + u"です。"_qs;
    // The file dialog comes up over this summary (a dialog shows what the press has set).
    trapped(u"IDM_DSAVE"_qs, [&] {
        const QString path = chooseFile(dialogOwner, u"ファイルを保存する。"_qs, kResultFilter, true, u"qvx"_qs);
        if (path.isEmpty())
            throw Failure(u"cancelled"_qs);
        QStringList cells;
        for (int r = 1; r <= TOROKU_SUU; ++r)
            for (int c = 1; c <= ConduitResultFile::kColumns; ++c)
                cells.append(MSFlexGrid1.textMatrix(r, c));
        ConduitResultFile::save(path, Text1, TOROKU_SUU, DANMEN_RITU, cells);
        Label1 = u"計算結果データ－を保存しました。"_qs;
    });
}

void Form1Model::IDM_DOPEN_Click()
{
    trapped(u"IDM_DOPEN"_qs, [&] {
        const QString path = chooseFile(dialogOwner, u"ファイルを開く"_qs, kResultFilter, false, u"qvx"_qs);
        if (path.isEmpty())
            throw Failure(u"cancelled"_qs);
        const QStringList rec = ConduitResultFile::read(path);
        // Checked before anything changes: the commands index 100 rows with the count.
        const int count = CInt(Val(rec[1]));
        const int16_t percent = CInt(Val(rec[2]));
        if (count < 0 || count > kMaxCables)
            throw Failure(u"cable count out of range"_qs);
        Label1 = u"ファイルより結果データ－を読み込みました。"_qs;
        const CableRowIndex cables(CABLE_DATA);
        for (int r = 1; r <= ConduitResultFile::kRows; ++r) {
            CableRecord &x = DENSEN_TOROKU[r];
            const auto number = [&](int c) { return float(Val(ConduitResultFile::cell(rec, r, c))); };
            x.cableName = ConduitResultFile::cell(rec, r, 1);
            x.sizeText = ConduitResultFile::cell(rec, r, 2);
            x.cumulativeArea = number(3);
            x.outerDiameter = number(4);
            x.cumulativeDiameter = number(5);
            x.sectionArea = number(6);
            x.correctionFactor = number(7);
            x.weight = number(8);
            // The file holds no condition code: each cable takes its own again by its name, as
            // a registration does. A name the database no longer holds keeps what the file
            // holds, its weight, and has no code.
            const int row = x.cableName.isEmpty() ? 0 : cables.find(trimTrailingBlanks(x.cableName));
            x.conditionText = row ? CABLE_DATA.at(4, row) : QString();
            x.weightText = row ? CABLE_DATA.at(5, row) : StrSng(x.weight);
        }
        Label1 = u"データ－NO="_qs + rec[0] + u"です。   電線本数 DC="_qs + rec[1] + u"です。   ％断面積 PSC="_qs + rec[2]
                 + u"です。"_qs;
        Text1 = rec[0];
        TOROKU_SUU = count;
        DANMEN_RITU = percent;
        Combo7 = Str(DANMEN_RITU) + u'%';
        writeSizeHeading();
        for (int r = 1; r <= TOROKU_SUU; ++r) {
            const CableRecord &x = DENSEN_TOROKU[r];
            GridModel &g = MSFlexGrid1;
            g.setTextMatrix(r, 0, Str(r));
            g.setTextMatrix(r, 1, x.cableName);
            g.setTextMatrix(r, 2, u"        "_qs + x.sizeText);
            g.setTextMatrix(r, 3, StrSng(x.cumulativeArea));
            g.setTextMatrix(r, 4, StrSng(x.outerDiameter));
            g.setTextMatrix(r, 5, StrSng(x.cumulativeDiameter));
            g.setTextMatrix(r, 6, StrSng(x.sectionArea));
            g.setTextMatrix(r, 7, StrSng(x.correctionFactor));
            g.setTextMatrix(r, 8, StrSng(x.weight));
            g.setTextMatrix(r, 9, x.conditionText);
        }
        // The view goes to the top of the rows read.
        MSFlexGrid1.setRow(1);
        MSFlexGrid1.setCol(1);
        Label1 = u"配管サイズを変える場合は「電線登録」ボタンを押してから配管を設定して「配管登録」ボタンを押した後「計算」を押して下さい。"_qs;
        Combo5.clear();
    });
}

// ---------------------------------------------------------------- views and descriptions

void Form1Model::gridView_Click(QStringView action)
{
    const GridViewItem *item = gridViewItem(action);
    if (!item)
        return;
    MSFlexGrid1.setTextMatrix(0, 2, item->heading);
    double sum = 0;
    for (int r = 1; r <= TOROKU_SUU; ++r) {
        CableRecord &x = DENSEN_TOROKU[r];
        if (item->view == GridView::CumulativeDiameter) {
            sum += Val(StrSng(x.outerDiameter));
            x.cumulativeDiameter = float(sum);
        }
        MSFlexGrid1.setTextMatrix(r, 2, viewText(item->view, x));
    }
    Label1 = item->status;
}

void Form1Model::IDM_GRCLIN_Click()
{
    Busy busy(*this);
    TOROKU_SUU = 0;
    for (int r = 1; r <= kMaxCables; ++r)
        for (int c = 1; c <= 8; ++c)
            MSFlexGrid1.setTextMatrix(r, c, QString());
}

void Form1Model::Command5_Click()
{
    HAIKAN_IMAGE();
}

void Form1Model::Command6_Click()
{
    DENSEN_IMAGE();
}

void Form1Model::HAIKAN_IMAGE()
{
    trapped(u"HAIKAN_IMAGE"_qs, [&] {
        if (const auto text = conduitTypeDescription(Combo1))
            Label1 = *text;
    });
}

void Form1Model::DENSEN_IMAGE()
{
    trapped(u"DENSEN_IMAGE"_qs, [&] {
        if (const auto text = cableTypeDescription(Combo3))
            Label1 = *text;
    });
}

// ---------------------------------------------------------------- settings

void Form1Model::setSwitch(QString &setting, const QString &value, const QString &status)
{
    setting = value;
    Label1 = status;
}

void Form1Model::IDM_PFSETTI_Click()
{
    setSwitch(settings.PFCD_SETTEI, u"ON"_qs, u"PF-CD管の上限を(28)に設定しました。"_qs);
}

void Form1Model::IDM_PFKAIJO_Click()
{
    settings.PFCD_SETTEI = u"OFF"_qs;
    Combo6.clear();
    Label1 = u"PF-CD管の上限を(28)に設定を解除しました。"_qs;
}

void Form1Model::IDM_KURIA_Click()
{
    setSwitch(CABLE_DATA.at(kSettingColumn, kClearSettingRow), u"ON"_qs, u"電線、配管入力欄をクリアーする設定にしました。"_qs);
}

void Form1Model::IDM_KURIANO_Click()
{
    setSwitch(CABLE_DATA.at(kSettingColumn, kClearSettingRow), u"OFF"_qs, u"電線､配管入力欄をクリアーする設定を解除しました｡"_qs);
}

void Form1Model::IDM_MESSEGION_Click()
{
    setSwitch(settings.MESSAGE_SETTEI, u"ON"_qs, u"メッセージボックスを表示する設定にしました。"_qs);
}

void Form1Model::IDM_MESSEGIOFF_Click()
{
    setSwitch(settings.MESSAGE_SETTEI, u"OFF"_qs, u"メッセージボックスを表示する設定を解除しました。"_qs);
}

void Form1Model::setAreaMode(const QString &mode, const QString &tag, const QString &status)
{
    trapped(tag, [&] {
        settings.setAreaMode(mode, CABLE_DATA);
        Combo7Enabled = settings.isFree();
        Label1 = status;
    });
}

void Form1Model::IDM_SANTENON_Click()
{
    setAreaMode(u"JIDOU"_qs, u"IDM_SANTENON_Click"_qs, u"断面積設定を自動にしました。"_qs);
}

void Form1Model::IDM_UZAR_Click()
{
    setAreaMode(u"USER"_qs, u"IDM_UZAR_Click"_qs, u"断面積設定をユーザーにしました。"_qs);
}

void Form1Model::IDM_SANTENOFF_Click()
{
    setAreaMode(u"NINI"_qs, u"IDM_SANTENOFF_Click"_qs, u"断面積設定を任意にしました。"_qs);
}

void Form1Model::IDM_NAIKION_Click()
{
    setSwitch(settings.NAIKI_SETTEI, u"ON"_qs, u"内線規定の管の太さの選定表を適用する設定にしました。"_qs);
}

void Form1Model::IDM_NAIKIOFF_Click()
{
    setSwitch(settings.NAIKI_SETTEI, u"OFF"_qs, u"内線規定の管の太さの選定表を適用する設定を解除しました。"_qs);
}

} // namespace kb
