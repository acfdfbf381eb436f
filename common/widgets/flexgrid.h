#pragma once

#include "gridmodel.h"

#include <QColor>
#include <QPointer>
#include <QTableView>

class QLabel;

namespace kb {

// The result grid widget: shows a GridModel with its heading row 0 and column 0
// fixed and always in view. Rows and columns are counted as the grid counts
// them, the fixed ones included. The cells, the current cell, widths and colours
// live in the model, which a window's display-free state usually owns.
//
// When the program moves the model's current cell, the view brings it into
// sight as the grid's Follow setting says; a grid not on screen yet is put
// right when it is shown. A user's click never scrolls the view, and the
// keys move the current cell (the grid's, as the window reads it) and the
// view together as in any table.
//
// A user chooses a cell by a click or by moving the current cell with the
// keys (or by dragging onto it): either way the grid reports it as a click
// (cellClicked), so the window's click handler runs for the cell the user
// stands on.
class FlexGrid : public QTableView
{
    Q_OBJECT
public:
    // What the view shows when the program moves the current cell.
    enum class Follow {
        RowStart, // the current row, from its first data column (a result grid written row by row)
        Cell,     // the current cell itself (a grid whose cells are edited one by one)
    };

    explicit FlexGrid(QWidget *parent = nullptr);

    // Shows another model (not owned); null goes back to the grid's own.
    void setGridModel(GridModel *model);
    GridModel *gridModel() const { return m_model; }

    Q_INVOKABLE int rows() const { return m_model->rows(); }
    Q_INVOKABLE int cols() const { return m_model->cols(); }
    Q_INVOKABLE QString textMatrix(int r, int c) const { return m_model->textMatrix(r, c); }
    Q_INVOKABLE void setTextMatrix(int r, int c, const QString &text) { m_model->setTextMatrix(r, c, text); }

    void setRows(int rows) { m_model->setRows(rows); }
    void setCols(int cols) { m_model->setCols(cols); }
    void setFixedRows(int n) { m_model->setFixed(n, m_model->fixedCols()); }
    void setFixedCols(int n) { m_model->setFixed(m_model->fixedRows(), n); }
    int fixedRows() const { return m_model->fixedRows(); }
    int fixedCols() const { return m_model->fixedCols(); }

    Q_INVOKABLE int row() const { return m_model->row(); }
    Q_INVOKABLE int col() const { return m_model->col(); }
    void setRow(int r) { m_model->setRow(r); }
    void setCol(int c) { m_model->setCol(c); }
    QString text() const { return m_model->text(); }
    void setText(const QString &text) { m_model->setText(text); }

    void setColWidth(int c, int twips) { m_model->setColWidth(c, twips); }
    int colWidth(int c) const;
    void setRowHeight(int r, int twips) { m_model->setRowHeight(r, twips); }

    void setCellBackColor(const QColor &color) { m_model->setCellBackColor(color.rgb()); }
    void setCellForeColor(const QColor &color) { m_model->setCellForeColor(color.rgb()); }
    void setBackColorAt(int r, int c, const QColor &color) { m_model->setBackColor(r, c, color.rgb()); }
    void setForeColorAt(int r, int c, const QColor &color) { m_model->setForeColor(r, c, color.rgb()); }
    QColor backColorAt(int r, int c) const;
    QColor foreColorAt(int r, int c) const;

    void clear() { m_model->clear(); }
    void setAllTexts(const QVector<QString> &texts) { m_model->setAllTexts(texts); }

    void setFollow(Follow follow) { m_follow = follow; }
    // Scrolls to the first data row and column, now or when the grid is shown;
    // the current cell stays where it is.
    void showStart();
    // Scrolls row r into view from its first data column, now or when the grid is
    // shown; the current cell stays where it is.
    void revealRow(int r);

    static int twipsToPixels(int twips);
    static int pixelsToTwips(int pixels);

    // Makes (r, c) current and reports it as a user's click does (tests).
    // A click on the fixed heading row or column does nothing.
    void clickCell(int r, int c);

    // The highlighted row, 0 when no data cell is highlighted.
    int highlightedRow() const;
    // The row an action on "the chosen row" takes: the highlighted one once the
    // user has chosen a row (lastChosen, the row the window's click handler
    // kept, is not 0), though the program may have moved the highlight since;
    // 0 while the user has chosen none. With no data cell highlighted (a grid
    // with no data rows) the row last chosen stands.
    template <typename Row>
    Row chosenRow(Row lastChosen) const
    {
        const int highlighted = highlightedRow();
        return lastChosen == 0 || highlighted == 0 ? lastChosen : Row(highlighted);
    }
    // Inside cellClicked: the choice was made with the keys, not the mouse.
    bool choosingByKeys() const { return m_keyChoice; }

signals:
    // A click on a data cell, or a key move onto one, after the current cell
    // has moved there.
    void cellClicked();

protected:
    void updateGeometries() override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void attach();
    void applyWidths();
    void applyWidth(int c);
    int headingWidth(int c) const;
    void onHeadingsChanged(Qt::Orientation orientation, int first, int last);
    void applyHeight(int r);
    void syncCurrent();

    enum class Pending { None, Current, Start, Row }; // what a hidden grid shows when it is shown
    void showCurrent();
    // Whether the grid is on screen to scroll now; if not, what to show when it is.
    bool shownNow(Pending what);
    void updateCorner();
    void onPressed(const QModelIndex &index);
    // Moves the model's current cell for a user's click and tells the window.
    void userClick(int r, int c);

    GridModel *m_own;
    GridModel *m_model;
    QList<QMetaObject::Connection> m_connections;
    QLabel *m_corner = nullptr;
    Follow m_follow = Follow::RowStart;
    Pending m_pending = Pending::None;
    int m_pendingRow = 0;
    bool m_userMove = false; // inside a user's click and the window's answer to it
    bool m_viewMove = false; // the view's and the grid's current cell being brought together
    // What moves the view's current cell: a move by a key or a drag is the user's choice.
    enum class Mover { Program, Keys, Drag };
    Mover m_mover = Mover::Program;
    bool m_keyChoice = false; // the choice being reported came from the keys
};

} // namespace kb
