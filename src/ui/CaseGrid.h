// The editable grid of the slope page: a fixed header row and column, lockable columns, cell texts
// and their numeric reading, and a notification when the user has edited a cell. Tab and Shift+Tab
// step through the editable cells only and, past the last (or before the first), leave the grid.
#pragma once

#include <QTableWidget>

namespace wallui {

class CaseGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit CaseGrid(QWidget* parent = nullptr);

    // Sets the row and column counts; row 0 and column 0 are the fixed header cells.
    void SetShape(int rows, int columns);
    // Locks (or unlocks) a column against editing.
    void LockColumn(int column, bool locked);
    void SetCellText(int row, int column, const QString& text);
    QString CellText(int row, int column) const;
    // The number the cell's text starts with, 0 when none: the value as shown.
    double CellNumber(int row, int column) const;
    // Keeps row 0 in view while the rows under it scroll: a copy of it stays over the top of the
    // grid, and a cell scrolled into view is never left under it.
    void FreezeHeaderRow();

  signals:
    // The user finished editing the cell at (row, column).
    void cellEdited(int row, int column);

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The editable cell after (or before) `from` in reading order; invalid when there is none. An
    // invalid `from` gives the first (or the last) editable cell.
    QModelIndex NextEditable(const QModelIndex& from, bool forward) const;
    void ApplyFlags(int row, int column);
    // Sizes the frozen copy of row 0 like the grid's own.
    void PlaceFrozenRow();

    QList<int> locked_;
    bool filling_ = false;
    QTableView* frozen_ = nullptr;  // the copy of row 0 over the top, once frozen
};

}  // namespace wallui
