#include "flexgrid.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

namespace kb {

namespace {
// The model keeps colours as QRgb (it is display-free); paint them as brushes.
class CellColourDelegate : public QStyledItemDelegate
{
public:
    explicit CellColourDelegate(QAbstractItemView *view) : QStyledItemDelegate(view), m_view(view) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        // A grid without a selection (the database editor's, whose picked cell
        // shows its own grey) frames its current cell, where the next text
        // entered lands, also while another control has the focus.
        if (m_view->selectionMode() != QAbstractItemView::NoSelection || index != m_view->currentIndex())
            return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant back = index.data(Qt::BackgroundRole);
        if (back.isValid())
            option->backgroundBrush = QColor::fromRgb(back.value<kb::GridColor>());
        const QVariant fore = index.data(Qt::ForegroundRole);
        if (fore.isValid())
            option->palette.setColor(QPalette::Text, QColor::fromRgb(fore.value<kb::GridColor>()));
    }

private:
    QAbstractItemView *m_view;
};

// Holds the view's own scrolling to the current cell off for a scope.
class AutoScrollOff
{
public:
    explicit AutoScrollOff(QAbstractItemView *view) : m_view(view), m_was(view->hasAutoScroll()) { view->setAutoScroll(false); }
    ~AutoScrollOff() { m_view->setAutoScroll(m_was); }
    AutoScrollOff(const AutoScrollOff &) = delete;
    AutoScrollOff &operator=(const AutoScrollOff &) = delete;

private:
    QAbstractItemView *m_view;
    bool m_was;
};
} // namespace

FlexGrid::FlexGrid(QWidget *parent) : QTableView(parent), m_own(new GridModel(this)), m_model(m_own)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab and Shift+Tab go on to the window's next and previous control; the
    // arrow keys, Page Up/Down and Home/End move inside the grid.
    setTabKeyNavigation(false);
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
    setItemDelegate(new CellColourDelegate(this));
    connect(this, &QAbstractItemView::pressed, this, &FlexGrid::onPressed);
    m_own->setShape(2, 2);
    attach();
}

void FlexGrid::setGridModel(GridModel *model)
{
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_model = model ? model : m_own;
    attach();
}

void FlexGrid::attach()
{
    setModel(m_model);
    m_connections << connect(m_model, &GridModel::colWidthChanged, this, &FlexGrid::applyWidth);
    m_connections << connect(m_model, &GridModel::rowHeightChanged, this, &FlexGrid::applyHeight);
    m_connections << connect(m_model, &GridModel::currentCellChanged, this, &FlexGrid::syncCurrent);
    m_connections << connect(m_model, &GridModel::rowRevealed, this, &FlexGrid::revealRow);
    m_connections << connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        updateCorner();
        applyWidths();
        // The view forgets its current cell in a reset; the grid's stays where it was.
        const QScopedValueRollback<bool> keepView(m_userMove, true);
        syncCurrent();
    });
    m_connections << connect(m_model, &QAbstractItemModel::headerDataChanged, this, &FlexGrid::onHeadingsChanged);
    updateCorner();
    applyWidths();
    // The view highlights the grid's current cell from the start: it is the cell a
    // text entered lands in and the one the keys move on from.
    const QScopedValueRollback<bool> keepView(m_userMove, true);
    syncCurrent();
}

int FlexGrid::twipsToPixels(int twips)
{
    return (twips * 96 + 720) / 1440;
}

int FlexGrid::pixelsToTwips(int pixels)
{
    return pixels * 15;
}

int FlexGrid::headingWidth(int c) const
{
    if (c >= fixedCols())
        return horizontalHeader()->sectionSizeHint(c - fixedCols());
    if (c > 0 || !m_corner || fixedRows() == 0)
        return 0;
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, verticalHeader());
    return m_corner->fontMetrics().size(0, m_corner->text()).width() + 2 * margin;
}

void FlexGrid::applyWidth(int c)
{
    if (c < 0 || c >= cols())
        return;
    const int twips = m_model->colWidth(c);
    // A heading is never clipped: a shown column is at least as wide as its
    // heading in the font in use. A width of 0 hides the column.
    const int heading = twips == 0 ? 0 : headingWidth(c);
    if (c < fixedCols()) {
        if (twips >= 0)
            verticalHeader()->setFixedWidth(std::max(twipsToPixels(twips), heading));
        else
            verticalHeader()->setMinimumWidth(heading); // sized by its row numbers otherwise
        return;
    }
    const int designed = twips >= 0 ? twipsToPixels(twips) : horizontalHeader()->defaultSectionSize();
    setColumnWidth(c - fixedCols(), std::max(designed, heading));
}

void FlexGrid::applyHeight(int r)
{
    const int twips = m_model->rowHeight(r);
    if (twips < 0)
        return;
    if (r < fixedRows())
        horizontalHeader()->setFixedHeight(twipsToPixels(twips));
    else if (r < rows())
        QTableView::setRowHeight(r - fixedRows(), twipsToPixels(twips));
}

void FlexGrid::applyWidths()
{
    horizontalHeader()->setVisible(fixedRows() > 0);
    verticalHeader()->setVisible(fixedCols() > 0);
    for (int c = 0; c < cols(); ++c)
        applyWidth(c);
}

void FlexGrid::onHeadingsChanged(Qt::Orientation orientation, int first, int last)
{
    updateCorner();
    if (orientation != Qt::Horizontal)
        return;
    applyWidth(0);
    for (int s = first; s <= last; ++s)
        applyWidth(s + fixedCols());
}

void FlexGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        applyWidths();
}

void FlexGrid::syncCurrent()
{
    if (m_viewMove)
        return; // the view has moved first: it is already there
    const int r = row(), c = col();
    if (r < fixedRows() || c < fixedCols() || r >= rows() || c >= cols())
        return;
    {
        // A row written cell by cell ends on its last column: left to Qt, the
        // view would follow it there. It moves below, or for a click not at all.
        AutoScrollOff off(this);
        const QScopedValueRollback<bool> following(m_viewMove, true);
        setCurrentIndex(m_model->index(r - fixedRows(), c - fixedCols()));
    }
    if (!m_userMove)
        showCurrent();
}

bool FlexGrid::shownNow(Pending what)
{
    if (!isVisible()) {
        m_pending = what;
        return false;
    }
    m_pending = Pending::None;
    executeDelayedItemsLayout(); // the scroll ranges of a grid reshaped just now
    return true;
}

void FlexGrid::showCurrent()
{
    if (m_follow == Follow::RowStart) {
        revealRow(row());
        return;
    }
    if (shownNow(Pending::Current) && currentIndex().isValid())
        scrollTo(currentIndex());
}

void FlexGrid::showStart()
{
    if (!shownNow(Pending::Start))
        return;
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void FlexGrid::revealRow(int r)
{
    if (r < fixedRows() || r >= rows())
        return;
    m_pendingRow = r;
    if (!shownNow(Pending::Row))
        return;
    scrollTo(m_model->index(r - fixedRows(), 0));
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

void FlexGrid::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    switch (std::exchange(m_pending, Pending::None)) {
    case Pending::Current:
        showCurrent();
        break;
    case Pending::Start:
        showStart();
        break;
    case Pending::Row:
        revealRow(m_pendingRow);
        break;
    case Pending::None:
        break;
    }
}

void FlexGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_viewMove || !current.isValid())
        return;
    // A key (or the press of a click) moved the view's current cell: the grid's
    // current cell goes with it, so that what the window writes next lands where
    // the user sees the cell.
    const int r = current.row() + fixedRows(), c = current.column() + fixedCols();
    {
        const QScopedValueRollback<bool> following(m_viewMove, true);
        const QScopedValueRollback<bool> user(m_userMove, true);
        m_model->setRow(r);
        m_model->setCol(c);
    }
    // A key move (or a drag) chooses the cell as a click does; the press of a
    // click reports itself once it is done.
    if (m_mover != Mover::Program) {
        const QScopedValueRollback<bool> byKeys(m_keyChoice, m_mover == Mover::Keys);
        userClick(r, c);
    }
}

void FlexGrid::keyPressEvent(QKeyEvent *event)
{
    const QScopedValueRollback<Mover> choosing(m_mover, Mover::Keys);
    QTableView::keyPressEvent(event);
}

void FlexGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QScopedValueRollback<Mover> choosing(m_mover, Mover::Drag);
    QTableView::mouseMoveEvent(event);
}

void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    // Qt brings a half-hidden clicked cell into view a moment after the press;
    // the view stays where the user has it.
    AutoScrollOff off(this);
    QTableView::mousePressEvent(event);
}

void FlexGrid::updateCorner()
{
    if (m_corner && rows() > 0 && cols() > 0 && fixedRows() > 0 && fixedCols() > 0)
        m_corner->setText(m_model->textMatrix(0, 0));
    else if (m_corner)
        m_corner->clear();
}

int FlexGrid::colWidth(int c) const
{
    const int twips = m_model->colWidth(c);
    if (twips >= 0)
        return twips;
    return pixelsToTwips(c < fixedCols() ? verticalHeader()->width() : columnWidth(c - fixedCols()));
}

QColor FlexGrid::backColorAt(int r, int c) const
{
    return m_model->hasBackColor(r, c) ? QColor::fromRgb(m_model->backColor(r, c)) : QColor();
}

QColor FlexGrid::foreColorAt(int r, int c) const
{
    return m_model->hasForeColor(r, c) ? QColor::fromRgb(m_model->foreColor(r, c)) : QColor();
}

void FlexGrid::onPressed(const QModelIndex &index)
{
    if (index.isValid())
        userClick(index.row() + fixedRows(), index.column() + fixedCols());
}

void FlexGrid::clickCell(int r, int c)
{
    if (r >= fixedRows() && c >= fixedCols())
        userClick(r, c);
}

int FlexGrid::highlightedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + fixedRows() : 0;
}

void FlexGrid::userClick(int r, int c)
{
    // What the window does with the click (reading the row's cells, say) moves
    // the current cell too, still for the user: the view stays.
    const QScopedValueRollback<bool> clicking(m_userMove, true);
    m_model->setRow(r);
    m_model->setCol(c);
    emit cellClicked();
}

void FlexGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_corner && m_corner->parentWidget())
        m_corner->setGeometry(m_corner->parentWidget()->rect());
}

} // namespace kb
