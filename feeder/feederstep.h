#pragma once

// How the feeder calculators run their calculate command: a procedure with a
// trap of its own shows its box ("エラーが発生しました。" + its name), and that
// box ends the command, so no later step works on a result the failed step
// should have written and no grid row is built from older values. A failure of
// the command's own steps shows "エラーが発生しました。Command1_Click".

#include "gridmodel.h"
#include "numtext.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace kb::feeder {

// Thrown to end a calculate command quietly, after its box has shown.
struct EndClick
{
};

// The refusal of an edited drop or rate that no wire size gives: no figure, a drop of 0 V or
// one that asks for a section past the largest size.
inline const QString kOverSize = QStringLiteral("サイズをオーバーしました、325m㎡以下にして下さい。");

// The drop, in tenths of a volt, that an edited drop box (or rate box, rate true) asks for; a
// rate is taken in whole volts of the voltage, read by prefix. None for a text that is no
// figure, a drop of 0 V or one beyond 16 bits: no wire gives it.
std::optional<double> editedTenthsOfDrop(const QString &typed, bool rate, const QString &voltage);

// Shows the text in a box and ends the command.
[[noreturn]] void endWith(const QString &text);
// The box "エラーが発生しました。" + tag.
void showErrorBox(const QString &tag);

// Runs a procedure with its own trap: any failure shows the procedure's box
// and ends the command.
template<class F>
void step(const QString &tag, F &&f)
{
    try {
        f();
    } catch (const EndClick &) {
        throw;
    } catch (...) {
        showErrorBox(tag);
        throw EndClick{};
    }
}

// Runs a procedure under its own box; the caller goes on.
bool trappedStep(const QString &tag, const std::function<void()> &f);

// Runs a whole calculate command under its own trap; false when a box ended it.
template<class F>
bool command(F &&f)
{
    try {
        f();
        return true;
    } catch (const EndClick &) {
    } catch (...) {
        showErrorBox(QStringLiteral("Command1_Click"));
    }
    return false;
}

// A calculate command that counts its calculations: a click that a box ends
// leaves the count where it stood, so the next click is not taken for a
// recalculation of results that were never completed.
template<class F>
bool countedCommand(int16_t &count, F &&f)
{
    const int16_t before = count;
    const bool completed = command(std::forward<F>(f));
    if (!completed)
        count = before;
    return completed;
}

// The result row a data number names: the text read strictly and rounded half to
// even; row 0 holds the headings, so only 1 .. rows − 1 are result rows. Throws
// Failure otherwise.
int dataRow(const QString &dataNo, const GridModel &grid);

// The result boxes a user edited since the last calculation: how many texts of
// `now` differ from `last` (case-blind), and the index of the last that does.
struct EditedBoxes
{
    int count = 0;
    int index = -1;
};
EditedBoxes editedBoxes(const QStringList &now, const QStringList &last);

// Row numbers "1" .. "last" in column 0.
void numberRows(GridModel &grid, int last);
// The headings of row 0 from column `first` on.
void writeHeadings(GridModel &grid, const QStringList &headings, int first = 1);
// The grid reset: every cell emptied, rows 1..100 numbered, the headings written.
void resetGrid(GridModel &grid, const QStringList &headings, int first = 1);

// 全てクリアーする: the window's grid reset, then its 次の計算 under that
// command's own box, then the data number back to 1 whatever 次の計算 did.
template<class Reset, class Next>
void clearAll(Reset &&reset, Next &&next, QString &dataNo)
{
    reset();
    trappedStep(QStringLiteral("Command2_Click"), next);
    dataNo = QStringLiteral("1");
}

// A setting menu: one window-level value and its confirmation in the status line.
inline void setting(QString &variable, const QString &value, QString &statusLine, const QString &confirmation)
{
    variable = value;
    statusLine = confirmation;
}

// One grid row read back into a window's boxes (データ読込み).
struct GridRowReader
{
    const GridModel &grid;
    int row;
    QString cell(int c) const { return grid.textMatrix(row, c); }
    // Leading and trailing half-width blanks removed.
    QString trimmed(int c) const;
    // The numeric prefix as text ("200V級" gives "200", an empty cell "0"); a cell that could
    // not be read whole as it stands, for the box's strict read to refuse (numberShown).
    QString number(int c) const;
    // The data number that writes the row again: its own number, whatever column 0
    // shows (the windows number only their first 30 rows at load).
    QString dataNumber() const { return Str(row); }
};


} // namespace kb::feeder
