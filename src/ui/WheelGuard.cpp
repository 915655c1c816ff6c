// The wheel filter of lists and spin boxes.
#include "ui/WheelGuard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace wallui {
namespace {

class WheelFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Wheel || widget == nullptr || widget->hasFocus()) return false;
        // Ignored and eaten here, the event goes on to the parent.
        event->ignore();
        return true;
    }
};

void Guard(QWidget* widget, QObject* filter) {
    widget->installEventFilter(filter);
    if (widget->focusPolicy() == Qt::WheelFocus) widget->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace

void GuardWheel(QWidget* root) {
    auto* filter = new WheelFilter(root);
    for (QComboBox* list : root->findChildren<QComboBox*>()) Guard(list, filter);
    for (QAbstractSpinBox* number : root->findChildren<QAbstractSpinBox*>()) Guard(number, filter);
}

}  // namespace wallui
