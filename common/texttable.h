#pragma once

#include "failure.h"

#include <QString>
#include <QVector>

namespace kb {

// An in-memory table of text cells addressed column first and from 1, the way the
// calculators address their copies of the reference databases: cell(c, r).
class TextTable
{
public:
    TextTable() = default;
    TextTable(int columns, int rows) : m_cols(columns), m_rows(rows), m_cells(columns * rows) {}

    int columns() const { return m_cols; }
    int rows() const { return m_rows; }

    bool contains(int c, int r) const { return c >= 1 && c <= m_cols && r >= 1 && r <= m_rows; }

    // Throws Failure outside the table, as an index error does in the procedures that read it.
    const QString &at(int c, int r) const { return m_cells[index(c, r)]; }
    QString &at(int c, int r) { return m_cells[index(c, r)]; }
    void set(int c, int r, const QString &text) { m_cells[index(c, r)] = text; }

    void clear() { m_cells.fill(QString()); }

private:
    int index(int c, int r) const
    {
        if (!contains(c, r))
            throw Failure(QStringLiteral("table index out of range (%1, %2)").arg(c).arg(r));
        return (r - 1) * m_cols + (c - 1);
    }

    int m_cols = 0;
    int m_rows = 0;
    QVector<QString> m_cells;
};

} // namespace kb
