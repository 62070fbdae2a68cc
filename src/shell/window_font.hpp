#pragma once
// The window's typeface: Verdana where installed, otherwise DejaVu Sans, whose
// widths are the closest among the free faces.

#include <QFont>

namespace vaporel {

struct FontSpec {
  double points = 9;
  bool bold = false;
  bool italic = false;
};

QString WindowFontFamily();
QFont WindowFont(FontSpec spec);

}  // namespace vaporel
