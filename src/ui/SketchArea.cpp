// The sketch area: black background, then whatever the preview painter draws.
#include "ui/SketchArea.h"

#include <QPainter>

namespace wallui {

SketchArea::SketchArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SketchArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (painter_) painter_(painter, rect());
}

}  // namespace wallui
