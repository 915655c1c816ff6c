// The dialogs' font and the conversion of dialog-template units to pixels.
#pragma once

#include <QFont>
#include <QRect>

namespace wallui {

// 宋体 9 pt where it is installed, otherwise a CJK font of the same size.
QFont DialogFont();

// Dialog units of a font: a horizontal unit is a quarter of the average character width, a vertical
// unit an eighth of the character height, as the dialog templates are laid out.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

  private:
    double baseX_;
    double baseY_;
};

}  // namespace wallui
