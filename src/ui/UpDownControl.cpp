// The up-down arrows of the slope page's segment count.
#include "ui/UpDownControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace wallui {

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int delta : {-1, +1}) {
        auto* arrow = new QToolButton(this);
        arrow->setObjectName(delta < 0 ? "up" : "down");
        arrow->setArrowType(delta < 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        layout->addWidget(arrow);
        connect(arrow, &QToolButton::clicked, this, [this, delta] { emit stepped(delta); });
    }
}

void UpDownControl::SetBuddy(QLineEdit* buddy) {
    buddy->installEventFilter(this);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            emit stepped(key->key() == Qt::Key_Up ? -1 : +1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace wallui
