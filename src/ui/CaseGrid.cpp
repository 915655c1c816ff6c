// The slope page's grid over QTableWidget.
#include "ui/CaseGrid.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QScrollBar>

#include "ui/NumberText.h"

namespace wallui {

CaseGrid::CaseGrid(QWidget* parent) : QTableWidget(parent) {
    // The header cells are ordinary cells of row 0 and column 0, as the readers address them.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // The column widths follow the control's size; the last column takes what is left, so the
    // grid never needs a horizontal scroll bar.
    horizontalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A plain one-pixel box: the style's own frame is scaled with the font resolution and loses its
    // right and bottom edges at 144 dpi.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette frame = palette();
    frame.setColor(QPalette::WindowText, frame.color(QPalette::Dark));
    setPalette(frame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!filling_) emit cellEdited(row, column);
    });
}

void CaseGrid::SetShape(int rows, int columns) {
    filling_ = true;
    setRowCount(rows);
    setColumnCount(columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) ApplyFlags(r, c);
    filling_ = false;
}

void CaseGrid::LockColumn(int column, bool locked) {
    locked_.removeAll(column);
    if (locked) locked_.append(column);
    filling_ = true;
    for (int r = 0; r < rowCount(); ++r)
        if (column < columnCount()) ApplyFlags(r, column);
    filling_ = false;
}

void CaseGrid::ApplyFlags(int row, int column) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    const bool fixed = row == 0 || column == 0;
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (!fixed) flags |= Qt::ItemIsSelectable;
    if (!fixed && !locked_.contains(column)) flags |= Qt::ItemIsEditable;
    cell->setFlags(flags);
    cell->setTextAlignment(Qt::AlignCenter);
    cell->setBackground(fixed ? palette().button() : palette().base());
}

QModelIndex CaseGrid::NextEditable(const QModelIndex& from, bool forward) const {
    const int columns = columnCount();
    const int cells = rowCount() * columns;
    int at = from.isValid() ? from.row() * columns + from.column() : (forward ? -1 : cells);
    for (at += forward ? 1 : -1; at >= 0 && at < cells; at += forward ? 1 : -1) {
        const QTableWidgetItem* cell = item(at / columns, at % columns);
        if (cell && (cell->flags() & Qt::ItemIsEditable)) return model()->index(at / columns, at % columns);
    }
    return {};
}

QModelIndex CaseGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Past the last editable cell the index is invalid, so the key moves the focus on instead.
    if (action == MoveNext || action == MovePrevious) return NextEditable(currentIndex(), action == MoveNext);
    return QTableWidget::moveCursor(action, modifiers);
}

void CaseGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool tab =
        hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    if (tab && !NextEditable(currentIndex(), forward).isValid()) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        // The step starts from the grid, not from the closed editor.
        setFocus(Qt::OtherFocusReason);
        QWidget::focusNextPrevChild(forward);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

void CaseGrid::focusInEvent(QFocusEvent* event) {
    // Entered with Tab: the first editable cell; with Shift+Tab: the last.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        const QModelIndex cell = NextEditable({}, event->reason() == Qt::TabFocusReason);
        if (cell.isValid()) setCurrentIndex(cell);
    }
    QTableWidget::focusInEvent(event);
}

void CaseGrid::SetCellText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    filling_ = true;
    ApplyFlags(row, column);
    item(row, column)->setText(text);
    filling_ = false;
}

QString CaseGrid::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

double CaseGrid::CellNumber(int row, int column) const {
    return LeadingNumberOf(CellText(row, column));
}

void CaseGrid::FreezeHeaderRow() {
    if (frozen_) return;
    // A second view of the same cells, as high as row 0 and never scrolled, lies over the viewport.
    frozen_ = new QTableView(this);
    frozen_->setObjectName("frozenRow");
    frozen_->setModel(model());
    // It keeps row 0 in view: a current cell further down must not scroll it.
    frozen_->setAutoScroll(false);
    frozen_->setSelectionMode(QAbstractItemView::NoSelection);
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->horizontalHeader()->hide();
    frozen_->verticalHeader()->hide();
    frozen_->setFrameStyle(QFrame::NoFrame);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The wheel over it scrolls the grid below, not the copy.
    frozen_->viewport()->installEventFilter(this);
    viewport()->stackUnder(frozen_);
    // Scrolled by whole rows, row 1 would go under the copy with the first step.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CaseGrid::PlaceFrozenRow);
    connect(verticalHeader(), &QHeaderView::sectionResized, this, &CaseGrid::PlaceFrozenRow);
    PlaceFrozenRow();
    frozen_->show();
}

void CaseGrid::PlaceFrozenRow() {
    if (!frozen_) return;
    for (int c = 0; c < columnCount(); ++c) frozen_->setColumnWidth(c, columnWidth(c));
    const int height = rowCount() > 0 ? rowHeight(0) : 0;
    if (rowCount() > 0) frozen_->setRowHeight(0, height);
    const QRect inner = viewport()->geometry();
    frozen_->setGeometry(inner.x(), inner.y(), inner.width(), height);
}

void CaseGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    PlaceFrozenRow();
}

void CaseGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableWidget::scrollTo(index, hint);
    if (!frozen_ || !index.isValid() || index.row() == 0) return;
    const int covered = rowHeight(0) - rowViewportPosition(index.row());
    if (covered > 0) verticalScrollBar()->setValue(verticalScrollBar()->value() - covered);
}

bool CaseGrid::eventFilter(QObject* watched, QEvent* event) {
    if (frozen_ && watched == frozen_->viewport() && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(verticalScrollBar(), event);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

}  // namespace wallui
