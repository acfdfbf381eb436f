#include "form8model.h"

#include "cellfile.h"
#include "dialogs.h"
#include "numtext.h"

#include <QDir>
#include <QFileInfo>

namespace kb {

namespace {

const QString kNotStorable = QStringLiteral("この文字はデータベースに保存できません。");

// The grid before any database is opened: 500 rows and 25 columns under the headings.
constexpr int kEmptyRows = 501;
constexpr int kEmptyCols = 26;

// A box number read strictly: an empty or non-numeric text is a failure.
int16_t strictNumber(const QString &text)
{
    return CInt(CDbl(text));
}

// A box number read by its numeric prefix: "10行" is 10, "" is 0, "－２" is -2.
int16_t lenientNumber(const QString &text)
{
    return CInt(Val(text));
}

} // namespace

Form8Model::Form8Model()
{
    MSFlexGrid1.setShape(kEmptyRows, kEmptyCols);
    QObject::connect(&MSFlexGrid1, &GridModel::currentCellChanged, &MSFlexGrid1, [this] { MSFlexGrid1_LeaveCell(); });
}

// --- opening and saving -------------------------------------------------------

void Form8Model::IDM_OPENA_Click()
{
    openDatabase(db::CablePipe, 600, 2000);
}

void Form8Model::IDM_OPENB_Click()
{
    openDatabase(db::CableSize, 1000, 1000);
}

void Form8Model::IDM_OPENC_Click()
{
    openDatabase(db::Kahou, 1500, 1500);
}

void Form8Model::openDatabase(const DatabaseShape &shape, int rowNumberWidth, int cellWidth)
{
    MSFlexGrid1.clear();
    m_pickedRow = m_pickedCol = -1;
    FAIRU_MEI = QLatin1Char('\\') + QLatin1String(shape.fileName);
    MSFlexGrid1.setShape(shape.fileRows + 1, shape.columns + 1);
    MSFlexGrid1.setColWidth(0, rowNumberWidth);
    for (int c = 1; c <= shape.columns; ++c)
        MSFlexGrid1.setColWidth(c, cellWidth);
    MSFlexGrid1.setRowHeight(0, RowHeightTwips);
    RETU_SUU = int16_t(shape.columns);
    GYOU_SUU = int16_t(shape.fileRows);
    IDM_OPEN();
}

QString Form8Model::databaseFile() const
{
    return QDir(databaseFolder()).filePath(FAIRU_MEI.mid(1));
}

void Form8Model::IDM_OPEN()
{
    const int R = GYOU_SUU, C = RETU_SUU, width = C + 1;
    QVector<QString> texts(qsizetype(R + 1) * width);
    for (int r = 1; r <= R; ++r)
        texts[r * width] = Str(r);
    for (int c = 1; c <= C; ++c)
        texts[c] = Str(c) + QStringLiteral("　列   ");
    try {
        const CellFileReader reader(databaseFile());
        qint64 record = 1;
        for (int r = 1; r <= R; ++r)
            for (int c = 1; c <= C; ++c)
                texts[r * width + c] = reader.readCell(record++);
    } catch (...) {
        // The row numbers and headings stay; the cells not read stay empty.
        MSFlexGrid1.setAllTexts(texts);
        moveCurrent(1, 1);
        m_loadComplete = false;
        errorBox(QStringLiteral("IDM_OPEN"));
        return;
    }
    MSFlexGrid1.setAllTexts(texts); // the whole grid in one reset
    // The first cell is current: the one the view shows at the top left, where a
    // text entered before any click lands.
    moveCurrent(1, 1);
    m_loadComplete = true;
}

void Form8Model::IDM_HOZON_Click()
{
    if (FAIRU_MEI.isEmpty()) {
        message(QStringLiteral("データベースを開いてください。IDM_HOZON"));
        return;
    }
    if (!m_loadComplete) {
        message(QStringLiteral("データベースの読み込みが完了していないため保存できません。"));
        return;
    }
    const int R = GYOU_SUU, C = RETU_SUU;
    // The save is no edit: the cell the user stands on stays current, so that the
    // next text entered lands there, not in the table's last cell.
    const int row = MSFlexGrid1.row(), col = MSFlexGrid1.col();
    try {
        QStringList cells;
        cells.reserve(qsizetype(R) * C);
        for (int r = 1; r <= R; ++r)
            for (int c = 1; c <= C; ++c)
                cells.append(MSFlexGrid1.textMatrix(r, c));
        writeRecords(databaseFile(), cells); // all or nothing: a failure leaves the file as it was
    } catch (const UnencodableText &e) {
        // The refusal takes the user to the first cell to mend.
        const qint64 n = e.record() - 1;
        moveCurrent(int(n / C) + 1, int(n % C) + 1);
        message(kNotStorable);
        return;
    } catch (...) {
        message(QFileInfo(FAIRU_MEI.mid(1)).completeBaseName() + QStringLiteral("ファイルの読み取り専用を解除してください。IDM_HOZON"));
    }
    moveCurrent(row, col);
}

// --- view menu ------------------------------------------------------------------

void Form8Model::IDM_INCLIA_Click()
{
    Text1.clear();
    Text2.clear();
    Text3.clear();
    Text4.clear();
}

void Form8Model::IDM_GRCLA_Click()
{
    MSFlexGrid1.setAllTexts(QVector<QString>(qsizetype(MSFlexGrid1.rows()) * MSFlexGrid1.cols()));
}

// --- picking and storing one cell ------------------------------------------------

bool Form8Model::isDataCell(int r, int c) const
{
    return r >= 1 && r < MSFlexGrid1.rows() && c >= 1 && c < MSFlexGrid1.cols();
}

// Only a data cell becomes current: a text entered never lands in a heading or
// a row number.
void Form8Model::moveCurrent(int r, int c)
{
    if (!isDataCell(r, c))
        return;
    MSFlexGrid1.setRow(r);
    MSFlexGrid1.setCol(c);
}

// The grid's leave-cell step: the grey of a picked cell lasts while it stays current.
void Form8Model::MSFlexGrid1_LeaveCell()
{
    if (m_pickedRow < 0 || (MSFlexGrid1.row() == m_pickedRow && MSFlexGrid1.col() == m_pickedCol))
        return;
    if (isDataCell(m_pickedRow, m_pickedCol))
        MSFlexGrid1.clearBackColor(m_pickedRow, m_pickedCol);
    m_pickedRow = m_pickedCol = -1;
}

void Form8Model::MSFlexGrid1_Click()
{
    trapped(QStringLiteral("MSFlexGrid1_Click"), [this] {
        const int r = MSFlexGrid1.row(), c = MSFlexGrid1.col();
        if (r < 1 || c < 1)
            return; // the headings and row numbers are not picked
        const QString text = MSFlexGrid1.text();
        if (!text.isEmpty())
            Text1 = text;
        SENTAKU_RETU = CInt(c);
        SENTAKU_GYOU = CInt(r);
        MSFlexGrid1.setCellBackColor(PickedCellColor);
        m_pickedRow = r;
        m_pickedCol = c;
        Label5 = QStringLiteral("列は ") + Str(c) + QStringLiteral("  行は ") + Str(r);
        focusRequest = QStringLiteral("Text1");
    });
}

// Every text stored into the grid must survive the save.
bool Form8Model::storable(const QString &text)
{
    if (canEncodeCell(text))
        return true;
    message(kNotStorable);
    focusRequest = QStringLiteral("Text1");
    return false;
}

void Form8Model::Text1_KeyDown(int KeyCode)
{
    if (KeyCode != KeyEnter || !storable(Text1))
        return;
    MSFlexGrid1.setText(Text1);
    Text1.clear();
}

void Form8Model::Command1_Click()
{
    if (!storable(Text1))
        return;
    MSFlexGrid1.setText(Text1);
    Text1.clear();
    focusRequest = QStringLiteral("Text1");
    // Back to the picked cell, unless none is picked yet, 連続登録 has set the
    // row-number column or another database has left it outside the grid.
    if (!isDataCell(SENTAKU_GYOU, SENTAKU_RETU))
        return;
    moveCurrent(SENTAKU_GYOU, SENTAKU_RETU);
    MSFlexGrid1.clearBackColor(SENTAKU_GYOU, SENTAKU_RETU);
    if (m_pickedRow == SENTAKU_GYOU && m_pickedCol == SENTAKU_RETU)
        m_pickedRow = m_pickedCol = -1;
}

// --- block commands ---------------------------------------------------------------

// A block command changes cells by their address: the cell the user stands on
// stays current (and grey when picked), so that the next Enter or 登録 stores
// into the cell the user sees highlighted, as after a save.
void Form8Model::blockCommand(const QString &tag, const std::function<void()> &body)
{
    if (trapped(tag, body))
        focusRequest = QStringLiteral("Text1");
}

// Rows are erased in place: closing up would shift the fixed-position rows of the row maps.
void Form8Model::eraseRows(int16_t s, int16_t e)
{
    for (int r = s; r <= e; ++r)
        for (int c = 1; c <= RETU_SUU; ++c)
            MSFlexGrid1.setTextMatrix(r, c, QString());
}

void Form8Model::Command2_Click()
{
    blockCommand(QStringLiteral("Command2"), [this] {
        const int16_t s = strictNumber(Text2);
        const int16_t e = strictNumber(Text3);
        eraseRows(s, e);
    });
}

void Form8Model::Command3_Click()
{
    blockCommand(QStringLiteral("Command3"), [this] {
        const int16_t s = lenientNumber(Text2);
        const int16_t e = lenientNumber(Text3);
        eraseRows(s, e);
    });
}

void Form8Model::Command4_Click()
{
    const struct
    {
        const QString &box;
        const char *name;
        QString prompt;
    } required[] = {
        {Text1, "Text1", QStringLiteral("登録する文字又は数値を入力してください。")},
        {Text2, "Text2", QStringLiteral("連続登録する開始行番号を入力してください。")},
        {Text3, "Text3", QStringLiteral("連続登録する終了行番号を入力してください。")},
        {Text4, "Text4", QStringLiteral("連続登録する列番号を入力してください。")},
    };
    for (const auto &field : required) {
        if (field.box.isEmpty()) {
            message(field.prompt);
            focusRequest = QLatin1String(field.name);
            return;
        }
    }
    if (!storable(Text1))
        return;
    blockCommand(QStringLiteral("Command4"), [this] {
        const int16_t s = strictNumber(Text2);
        const int16_t e = strictNumber(Text3);
        const int16_t k = strictNumber(Text4);
        SENTAKU_RETU = k;
        for (int r = s; r <= e; ++r)
            MSFlexGrid1.setTextMatrix(r, k, Text1);
    });
}

void Form8Model::Command5_Click()
{
    blockCommand(QStringLiteral("Command5"), [this] {
        const int16_t s = lenientNumber(Text2);
        const int16_t e = lenientNumber(Text3);
        const int16_t n = lenientNumber(Text4);
        if (n == 0)
            return;
        // Rows moved into the headings or past the table would be lost at the next save.
        const int R = GYOU_SUU;
        if (RETU_SUU > 0 && s <= e && (s < 1 || e > R || s + n < 1 || e + n > R))
            throw Failure(QStringLiteral("rows outside the table"));
        const auto moveRow = [this, n](int r) {
            for (int c = 1; c <= RETU_SUU; ++c) {
                const QString text = MSFlexGrid1.textMatrix(r, c);
                MSFlexGrid1.setTextMatrix(r + n, c, text);
                MSFlexGrid1.setTextMatrix(r, c, QString());
            }
        };
        if (n < 0) {
            for (int r = s; r <= e; ++r)
                moveRow(r);
        } else {
            for (int r = e; r >= s; --r)
                moveRow(r);
        }
    });
}

void Form8Model::Command6_Click()
{
    blockCommand(QStringLiteral("Command6"), [this] {
        const int16_t s = strictNumber(Text2);
        const int16_t e = strictNumber(Text3);
        const int16_t k = strictNumber(Text4);
        for (int r = s; r <= e; ++r)
            MSFlexGrid1.setTextMatrix(r, k, QString());
    });
}

void Form8Model::Command7_Click()
{
    blockCommand(QStringLiteral("Command7"), [this] {
        const int16_t s = strictNumber(Text2);
        const int16_t e = strictNumber(Text3);
        const int16_t k = strictNumber(Text4);
        for (int r = s; r <= e; ++r) {
            const QString text = MSFlexGrid1.textMatrix(r, k);
            const int32_t d = CLng(CDbl(Text5)); // read at its first use: an empty box fails only when a row is copied
            MSFlexGrid1.setTextMatrix(r, int(d), text);
        }
    });
}

} // namespace kb
