// The editable grid of the slope page: a fixed header row and column, lockable columns, cell texts
// and their numeric reading, and a notification when the user has edited a cell.
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

  signals:
    // The user finished editing the cell at (row, column).
    void cellEdited(int row, int column);

  private:
    void ApplyFlags(int row, int column);

    QList<int> locked_;
    bool filling_ = false;
};

}  // namespace wallui
