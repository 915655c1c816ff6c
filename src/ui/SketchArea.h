// The sketch area on the right of the main dialog: a black frame into which the preview is painted.
#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace wallui {

class SketchArea : public QWidget {
    Q_OBJECT
  public:
    // Paints the composed preview into the given client rectangle.
    using Painter = std::function<void(QPainter&, const QRect&)>;

    explicit SketchArea(QWidget* parent = nullptr);
    void SetPainter(Painter painter) { painter_ = std::move(painter); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter painter_;
};

}  // namespace wallui
