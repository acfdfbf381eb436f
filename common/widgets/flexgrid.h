#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QTableView>
#include <QVector>

class QLabel;

namespace kb {

// The cells of a result grid, heading row 0 and column 0 included.
class FlexGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit FlexGridModel(QObject *parent = nullptr);

    int gridRows() const { return m_rows; }
    int gridCols() const { return m_cols; }
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setShape(int rows, int cols);
    void setFixed(int fixedRows, int fixedCols);

    QString text(int r, int c) const;
    void setText(int r, int c, const QString &text);
    // Replaces every cell at once (row-major, rows × cols texts); one model reset.
    void setAllTexts(const QVector<QString> &texts);
    const QVector<QString> &allTexts() const { return m_texts; }

    QColor backColor(int r, int c) const { return m_back.value(key(r, c)); }
    QColor foreColor(int r, int c) const { return m_fore.value(key(r, c)); }
    void setBackColor(int r, int c, const QColor &color);
    void setForeColor(int r, int c, const QColor &color);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void check(int r, int c) const;
    qint64 key(int r, int c) const { return qint64(r) * 100000 + c; }
    void cellChanged(int r, int c);

    int m_rows = 0, m_cols = 0, m_fixedRows = 1, m_fixedCols = 1;
    QVector<QString> m_texts;
    QHash<qint64, QColor> m_back, m_fore;
};

// The result grid: a table of text cells with a fixed heading row 0 and row-number
// column 0 that stay in view. Rows and columns are counted as the grid counts them,
// the fixed ones included.
class FlexGrid : public QTableView
{
    Q_OBJECT
public:
    explicit FlexGrid(QWidget *parent = nullptr);

    Q_INVOKABLE int rows() const { return m_model->gridRows(); }
    Q_INVOKABLE int cols() const { return m_model->gridCols(); }
    Q_INVOKABLE QString textMatrix(int r, int c) const { return m_model->text(r, c); }
    Q_INVOKABLE void setTextMatrix(int r, int c, const QString &text) { m_model->setText(r, c, text); }

    void setRows(int rows);
    void setCols(int cols);
    void setFixedRows(int n);
    void setFixedCols(int n);
    int fixedRows() const { return m_model->fixedRows(); }
    int fixedCols() const { return m_model->fixedCols(); }

    // The current cell.
    Q_INVOKABLE int row() const { return m_row; }
    Q_INVOKABLE int col() const { return m_col; }
    void setRow(int r);
    void setCol(int c);
    QString text() const { return textMatrix(m_row, m_col); }
    void setText(const QString &text) { setTextMatrix(m_row, m_col, text); }

    // Widths and heights in twips (1/1440 inch).
    void setColWidth(int c, int twips);
    int colWidth(int c) const;
    void setRowHeight(int r, int twips);

    // Colours of the current cell, or of any cell.
    void setCellBackColor(const QColor &color) { m_model->setBackColor(m_row, m_col, color); }
    void setCellForeColor(const QColor &color) { m_model->setForeColor(m_row, m_col, color); }
    QColor cellBackColor() const { return m_model->backColor(m_row, m_col); }
    void setBackColorAt(int r, int c, const QColor &color) { m_model->setBackColor(r, c, color); }
    void setForeColorAt(int r, int c, const QColor &color) { m_model->setForeColor(r, c, color); }
    QColor backColorAt(int r, int c) const { return m_model->backColor(r, c); }
    QColor foreColorAt(int r, int c) const { return m_model->foreColor(r, c); }

    // Empties every cell, fixed ones included, and drops the colours.
    void clear();

    // Every cell at once (row-major), in one model reset.
    void setAllTexts(const QVector<QString> &texts) { m_model->setAllTexts(texts); }
    const QVector<QString> &allTexts() const { return m_model->allTexts(); }

    FlexGridModel *gridModel() const { return m_model; }

    static int twipsToPixels(int twips);
    static int pixelsToTwips(int pixels);

    // Makes (r, c) current and reports it as a user's click does (tests and keyboard).
    void clickCell(int r, int c);

signals:
    // A click on a data cell, after the current cell has moved there.
    void cellClicked();

protected:
    void updateGeometries() override;

private:
    void onPressed(const QModelIndex &index);

    FlexGridModel *m_model;
    QLabel *m_corner = nullptr;
    int m_row = 1, m_col = 1;
    QHash<int, int> m_colTwips;
};

} // namespace kb
