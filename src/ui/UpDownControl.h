// A pair of arrow buttons that reports steps the way the platform's up-down control does: the up
// arrow (and the Up key in its buddy field) sends -1, the down arrow +1.
#pragma once

#include <QWidget>

class QLineEdit;

namespace wallui {

class UpDownControl : public QWidget {
    Q_OBJECT
  public:
    explicit UpDownControl(QWidget* parent = nullptr);
    // Lets the Up and Down keys in `buddy` step too.
    void SetBuddy(QLineEdit* buddy);

  signals:
    void stepped(int delta);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace wallui
