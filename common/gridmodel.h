#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QtGlobal>
#include <QVector>

namespace kb {

// A cell colour as 0xAARRGGBB, the same value as QRgb (the model stays display-free).
using GridColor = quint32;
constexpr GridColor gridRgb(int r, int g, int b) { return 0xFF000000u | (GridColor(r) << 16) | (GridColor(g) << 8) | GridColor(b); }

// The cells of a result grid, heading row 0 and column 0 included, with the
// grid's current cell, column widths (twips) and cell colours. Display-free:
// a window's state owns one, and the FlexGrid widget shows it.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridModel(QObject *parent = nullptr);

    Q_INVOKABLE int rows() const { return m_rows; }
    Q_INVOKABLE int cols() const { return m_cols; }
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setRows(int rows) { setShape(rows, m_cols); }
    void setCols(int cols) { setShape(m_rows, cols); }
    void setShape(int rows, int cols);
    void setFixed(int fixedRows, int fixedCols);

    // Every cell; throws Failure outside the grid.
    Q_INVOKABLE QString textMatrix(int r, int c) const;
    Q_INVOKABLE void setTextMatrix(int r, int c, const QString &text);
    // Replaces every cell at once (row-major, rows × cols texts); one model reset.
    void setAllTexts(const QVector<QString> &texts);
    const QVector<QString> &allTexts() const { return m_texts; }

    // The current cell; setRow/setCol throw Failure outside the grid.
    int row() const { return m_row; }
    int col() const { return m_col; }
    void setRow(int r);
    void setCol(int c);
    QString text() const { return textMatrix(m_row, m_col); }
    void setText(const QString &text) { setTextMatrix(m_row, m_col, text); }

    // Column widths and row heights in twips (1/1440 inch); -1 when never set.
    void setColWidth(int c, int twips);
    int colWidth(int c) const { return m_colTwips.value(c, -1); }
    const QHash<int, int> &colWidths() const { return m_colTwips; }
    void setRowHeight(int r, int twips);
    int rowHeight(int r) const { return m_rowTwips.value(r, -1); }

    // Cell colours (0 when never set), of any cell or of the current one.
    void setBackColor(int r, int c, GridColor color);
    void setForeColor(int r, int c, GridColor color);
    GridColor backColor(int r, int c) const { return m_back.value(key(r, c), 0); }
    GridColor foreColor(int r, int c) const { return m_fore.value(key(r, c), 0); }
    bool hasBackColor(int r, int c) const { return m_back.contains(key(r, c)); }
    bool hasForeColor(int r, int c) const { return m_fore.contains(key(r, c)); }
    // Gives a cell the grid's default background again.
    void clearBackColor(int r, int c);
    void setCellBackColor(GridColor color) { setBackColor(m_row, m_col, color); }
    void setCellForeColor(GridColor color) { setForeColor(m_row, m_col, color); }

    // Writes a result row: cells[i] into column i + 1 of row r. The current cell
    // ends on the row's first written column (its name), where the user reads
    // the row and the arrow keys go on from, and the views show the row from
    // there. A row or a column outside the grid throws Failure before any cell
    // is written.
    void writeRow(int r, const QStringList &cells);

    // Asks the views to bring row r into sight from its first column (a row the
    // program wrote by its address); the current cell stays where it is.
    void revealRow(int r) { emit rowRevealed(r); }

    // Empties every cell, fixed ones included, and drops the colours.
    void clear();

    // The row after the last row that holds text outside the fixed column; the
    // first data row when none does.
    int rowAfterData() const;
    // The data number 次の計算 moves on to: one past `dataNo`, or the row after
    // the last row that holds data when that lies further down, so that the next
    // calculation never writes over a stored row (after a read-back above them,
    // for one).
    double nextDataNumber(double dataNo) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void colWidthChanged(int c);
    void rowHeightChanged(int r);
    void currentCellChanged();
    void rowRevealed(int r);

private:
    void check(int r, int c) const;
    qint64 key(int r, int c) const { return qint64(r) * 100000 + c; }
    void cellChanged(int r, int c);

    int m_rows = 0, m_cols = 0, m_fixedRows = 1, m_fixedCols = 1;
    int m_row = 1, m_col = 1;
    QVector<QString> m_texts;
    QHash<qint64, GridColor> m_back, m_fore;
    QHash<int, int> m_colTwips, m_rowTwips;
};

} // namespace kb
