#include "gridmodel.h"

#include "failure.h"

namespace kb {

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridModel::setShape(int rows, int cols)
{
    rows = qMax(rows, 0);
    cols = qMax(cols, 0);
    QVector<QString> texts(rows * cols);
    for (int r = 0; r < qMin(rows, m_rows); ++r)
        for (int c = 0; c < qMin(cols, m_cols); ++c)
            texts[r * cols + c] = m_texts[r * m_cols + c];
    beginResetModel();
    m_rows = rows;
    m_cols = cols;
    m_texts = std::move(texts);
    m_row = qBound(0, m_row, qMax(0, rows - 1));
    m_col = qBound(0, m_col, qMax(0, cols - 1));
    endResetModel();
}

void GridModel::setFixed(int fixedRows, int fixedCols)
{
    beginResetModel();
    m_fixedRows = qBound(0, fixedRows, 1);
    m_fixedCols = qBound(0, fixedCols, 1);
    endResetModel();
}

void GridModel::check(int r, int c) const
{
    if (r < 0 || r >= m_rows || c < 0 || c >= m_cols)
        throw Failure(QStringLiteral("grid cell out of range (%1, %2)").arg(r).arg(c));
}

QString GridModel::textMatrix(int r, int c) const
{
    check(r, c);
    return m_texts[r * m_cols + c];
}

void GridModel::cellChanged(int r, int c)
{
    if (r < m_fixedRows || c < m_fixedCols) {
        if (r < m_fixedRows && c >= m_fixedCols)
            emit headerDataChanged(Qt::Horizontal, c - m_fixedCols, c - m_fixedCols);
        if (c < m_fixedCols && r >= m_fixedRows)
            emit headerDataChanged(Qt::Vertical, r - m_fixedRows, r - m_fixedRows);
        if (r < m_fixedRows && c < m_fixedCols) // the corner cell
            emit headerDataChanged(Qt::Horizontal, 0, 0);
        return;
    }
    const QModelIndex i = index(r - m_fixedRows, c - m_fixedCols);
    emit dataChanged(i, i);
}

void GridModel::setTextMatrix(int r, int c, const QString &text)
{
    check(r, c);
    QString &cell = m_texts[r * m_cols + c];
    if (cell == text)
        return;
    cell = text;
    cellChanged(r, c);
}

void GridModel::setAllTexts(const QVector<QString> &texts)
{
    if (texts.size() != m_rows * m_cols)
        throw Failure(QStringLiteral("grid texts of the wrong size"));
    beginResetModel();
    m_texts = texts;
    endResetModel();
}

void GridModel::setBackColor(int r, int c, GridColor color)
{
    check(r, c);
    m_back.insert(key(r, c), color);
    cellChanged(r, c);
}

void GridModel::clearBackColor(int r, int c)
{
    check(r, c);
    if (m_back.remove(key(r, c)))
        cellChanged(r, c);
}

void GridModel::setForeColor(int r, int c, GridColor color)
{
    check(r, c);
    m_fore.insert(key(r, c), color);
    cellChanged(r, c);
}

void GridModel::clear()
{
    beginResetModel();
    m_texts.fill(QString());
    m_back.clear();
    m_fore.clear();
    endResetModel();
}

int GridModel::rowAfterData() const
{
    for (int r = m_rows - 1; r >= m_fixedRows; --r)
        for (int c = m_fixedCols; c < m_cols; ++c)
            if (!m_texts[r * m_cols + c].isEmpty())
                return r + 1;
    return m_fixedRows;
}

double GridModel::nextDataNumber(double dataNo) const
{
    return qMax(dataNo + 1, double(rowAfterData()));
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_rows - m_fixedRows);
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_cols - m_fixedCols);
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int r = index.row() + m_fixedRows;
    const int c = index.column() + m_fixedCols;
    switch (role) {
    case Qt::DisplayRole:
        return m_texts[r * m_cols + c];
    case Qt::BackgroundRole: {
        const auto it = m_back.constFind(key(r, c));
        return it == m_back.cend() ? QVariant() : QVariant::fromValue(*it);
    }
    case Qt::ForegroundRole: {
        const auto it = m_fore.constFind(key(r, c));
        return it == m_fore.cend() ? QVariant() : QVariant::fromValue(*it);
    }
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && m_fixedRows > 0 && m_rows > 0 && section + m_fixedCols < m_cols)
        return m_texts[section + m_fixedCols];
    if (orientation == Qt::Vertical && m_fixedCols > 0 && m_cols > 0 && section + m_fixedRows < m_rows)
        return m_texts[(section + m_fixedRows) * m_cols];
    return {};
}

void GridModel::setRow(int r)
{
    if (r < 0 || r >= m_rows)
        throw Failure(QStringLiteral("grid row out of range"));
    m_row = r;
    emit currentCellChanged();
}

void GridModel::setCol(int c)
{
    if (c < 0 || c >= m_cols)
        throw Failure(QStringLiteral("grid column out of range"));
    m_col = c;
    emit currentCellChanged();
}

void GridModel::writeRow(int r, const QStringList &cells)
{
    if (cells.isEmpty())
        return;
    check(r, int(cells.size()));
    for (int c = 1; c <= cells.size(); ++c)
        setTextMatrix(r, c, cells.at(c - 1));
    // One move, so that a view scrolls once, to the row's start.
    m_row = r;
    m_col = 1;
    emit currentCellChanged();
}

void GridModel::setColWidth(int c, int twips)
{
    m_colTwips.insert(c, twips);
    emit colWidthChanged(c);
}

void GridModel::setRowHeight(int r, int twips)
{
    m_rowTwips.insert(r, twips);
    emit rowHeightChanged(r);
}

} // namespace kb
