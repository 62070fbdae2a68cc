#include "shell/window_font.hpp"

#include <QFontDatabase>
#include <QStringList>

namespace vaporel {

QString WindowFontFamily() {
  static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                    ? QStringLiteral("Verdana")
                                    : QStringLiteral("DejaVu Sans");
  return family;
}

QFont WindowFont(FontSpec spec) {
  QFont font(WindowFontFamily());
  font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  // Exact family or the fontconfig match closest to it; never a synthetic substitute.
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace vaporel
