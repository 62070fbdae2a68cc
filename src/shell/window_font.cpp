#include "shell/window_font.hpp"

#include <QFontDatabase>
#include <QStringList>

namespace vaporel {

QString windowFontFamily() {
  static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                    ? QStringLiteral("Verdana")
                                    : QStringLiteral("DejaVu Sans");
  return family;
}

QFont windowFont(FontSpec spec) {
  QFont font(windowFontFamily());
  font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  // Exact family or the fontconfig match closest to it; never a synthetic substitute.
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace vaporel
