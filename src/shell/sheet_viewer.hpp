#pragma once
// OLE1: a picture of the report's worksheet, scaled down to fit the control.

#include <QWidget>
#include <optional>

#include "report/report_sheet.hpp"

namespace vaporel {

class SheetViewer : public QWidget {
 public:
  explicit SheetViewer(QWidget* parent = nullptr);

  void setSheet(ReportSheet sheet);
  const std::optional<ReportSheet>& sheet() const { return sheet_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<ReportSheet> sheet_;
};

}  // namespace vaporel
