#include "flexgrid.h"

#include "failure.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>

namespace kb {

FlexGridModel::FlexGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void FlexGridModel::setShape(int rows, int cols)
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
    endResetModel();
}

void FlexGridModel::setFixed(int fixedRows, int fixedCols)
{
    beginResetModel();
    m_fixedRows = qBound(0, fixedRows, 1);
    m_fixedCols = qBound(0, fixedCols, 1);
    endResetModel();
}

void FlexGridModel::check(int r, int c) const
{
    if (r < 0 || r >= m_rows || c < 0 || c >= m_cols)
        throw Failure(QStringLiteral("grid cell out of range (%1, %2)").arg(r).arg(c));
}

QString FlexGridModel::text(int r, int c) const
{
    check(r, c);
    return m_texts[r * m_cols + c];
}

void FlexGridModel::cellChanged(int r, int c)
{
    if (r < m_fixedRows || c < m_fixedCols) {
        if (r < m_fixedRows && c >= m_fixedCols)
            emit headerDataChanged(Qt::Horizontal, c - m_fixedCols, c - m_fixedCols);
        if (c < m_fixedCols && r >= m_fixedRows)
            emit headerDataChanged(Qt::Vertical, r - m_fixedRows, r - m_fixedRows);
        return;
    }
    const QModelIndex i = index(r - m_fixedRows, c - m_fixedCols);
    emit dataChanged(i, i);
}

void FlexGridModel::setText(int r, int c, const QString &text)
{
    check(r, c);
    QString &cell = m_texts[r * m_cols + c];
    if (cell == text)
        return;
    cell = text;
    cellChanged(r, c);
}

void FlexGridModel::setAllTexts(const QVector<QString> &texts)
{
    if (texts.size() != m_rows * m_cols)
        throw Failure(QStringLiteral("grid texts of the wrong size"));
    beginResetModel();
    m_texts = texts;
    endResetModel();
}

void FlexGridModel::setBackColor(int r, int c, const QColor &color)
{
    check(r, c);
    m_back.insert(key(r, c), color);
    cellChanged(r, c);
}

void FlexGridModel::setForeColor(int r, int c, const QColor &color)
{
    check(r, c);
    m_fore.insert(key(r, c), color);
    cellChanged(r, c);
}

void FlexGridModel::clear()
{
    beginResetModel();
    m_texts.fill(QString());
    m_back.clear();
    m_fore.clear();
    endResetModel();
}

int FlexGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_rows - m_fixedRows);
}

int FlexGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_cols - m_fixedCols);
}

QVariant FlexGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int r = index.row() + m_fixedRows;
    const int c = index.column() + m_fixedCols;
    switch (role) {
    case Qt::DisplayRole:
        return m_texts[r * m_cols + c];
    case Qt::BackgroundRole: {
        const QColor color = m_back.value(key(r, c));
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor color = m_fore.value(key(r, c));
        return color.isValid() ? QVariant(color) : QVariant();
    }
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && m_fixedRows > 0 && m_rows > 0 && section + m_fixedCols < m_cols)
        return m_texts[section + m_fixedCols];
    if (orientation == Qt::Vertical && m_fixedCols > 0 && m_cols > 0 && section + m_fixedRows < m_rows)
        return m_texts[(section + m_fixedRows) * m_cols];
    return {};
}

FlexGrid::FlexGrid(QWidget *parent) : QTableView(parent), m_model(new FlexGridModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(twipsToPixels(240));
    horizontalHeader()->setMinimumSectionSize(1);
    setCornerButtonEnabled(false);
    if (auto *corner = findChild<QAbstractButton *>()) {
        m_corner = new QLabel(corner);
        m_corner->setAlignment(Qt::AlignCenter);
    }
    connect(this, &QAbstractItemView::pressed, this, &FlexGrid::onPressed);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation, int, int) {
        if (m_corner && m_model->gridRows() > 0 && m_model->gridCols() > 0)
            m_corner->setText(m_model->text(0, 0));
    });
    m_model->setShape(2, 2);
}

int FlexGrid::twipsToPixels(int twips)
{
    return (twips * 96 + 720) / 1440;
}

int FlexGrid::pixelsToTwips(int pixels)
{
    return pixels * 15;
}

void FlexGrid::setRows(int rows)
{
    m_model->setShape(rows, m_model->gridCols());
    m_row = qBound(0, m_row, qMax(0, rows - 1));
}

void FlexGrid::setCols(int cols)
{
    m_model->setShape(m_model->gridRows(), cols);
    m_col = qBound(0, m_col, qMax(0, cols - 1));
    for (auto it = m_colTwips.cbegin(); it != m_colTwips.cend(); ++it)
        if (it.key() < cols)
            setColWidth(it.key(), it.value());
}

void FlexGrid::setFixedRows(int n)
{
    m_model->setFixed(n, m_model->fixedCols());
    horizontalHeader()->setVisible(n > 0);
}

void FlexGrid::setFixedCols(int n)
{
    m_model->setFixed(m_model->fixedRows(), n);
    verticalHeader()->setVisible(n > 0);
}

void FlexGrid::setRow(int r)
{
    if (r < 0 || r >= rows())
        throw Failure(QStringLiteral("grid row out of range"));
    m_row = r;
    if (r >= fixedRows() && m_col >= fixedCols())
        setCurrentIndex(m_model->index(r - fixedRows(), m_col - fixedCols()));
}

void FlexGrid::setCol(int c)
{
    if (c < 0 || c >= cols())
        throw Failure(QStringLiteral("grid column out of range"));
    m_col = c;
    if (m_row >= fixedRows() && c >= fixedCols())
        setCurrentIndex(m_model->index(m_row - fixedRows(), c - fixedCols()));
}

void FlexGrid::setColWidth(int c, int twips)
{
    m_colTwips.insert(c, twips);
    const int px = twipsToPixels(twips);
    if (c < fixedCols())
        verticalHeader()->setFixedWidth(px);
    else if (c < cols())
        setColumnWidth(c - fixedCols(), px);
}

int FlexGrid::colWidth(int c) const
{
    return m_colTwips.value(c, pixelsToTwips(c < fixedCols() ? verticalHeader()->width() : columnWidth(c - fixedCols())));
}

void FlexGrid::setRowHeight(int r, int twips)
{
    if (r >= fixedRows())
        QTableView::setRowHeight(r - fixedRows(), twipsToPixels(twips));
    else
        horizontalHeader()->setFixedHeight(twipsToPixels(twips));
}

void FlexGrid::clear()
{
    m_model->clear();
    if (m_corner)
        m_corner->clear();
}

void FlexGrid::onPressed(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    m_row = index.row() + fixedRows();
    m_col = index.column() + fixedCols();
    emit cellClicked();
}

void FlexGrid::clickCell(int r, int c)
{
    if (r < fixedRows() || c < fixedCols())
        return; // the fixed heading row and column take no clicks
    setRow(r);
    setCol(c);
    emit cellClicked();
}

void FlexGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_corner && m_corner->parentWidget())
        m_corner->setGeometry(m_corner->parentWidget()->rect());
}

} // namespace kb
