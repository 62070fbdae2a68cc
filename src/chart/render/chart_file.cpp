#include "chart/render/chart_file.hpp"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "chart/render/chart_renderer.hpp"
#include "files/atomic_file.hpp"

namespace vaporel {
namespace {

constexpr int kPdfResolution = 300;  // [dpi]

bool EndsWith(std::string_view path, std::string_view extension) {
  if (path.size() < extension.size()) return false;
  return std::equal(extension.rbegin(), extension.rend(), path.rbegin(),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// Draws onto `device`; false when the painter could not start on it.
bool Draw(QPaintDevice& device, const QRectF& target, const ChartGeometry& geometry, ChartStyle style,
          const Numbers& numbers) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  RenderChart(painter, target, geometry, style, numbers);
  return painter.end();
}

}  // namespace

std::optional<ChartFormat> ChartFormatOf(std::string_view path) {
  if (EndsWith(path, ".png")) return ChartFormat::Png;
  if (EndsWith(path, ".svg")) return ChartFormat::Svg;
  if (EndsWith(path, ".pdf")) return ChartFormat::Pdf;
  return std::nullopt;
}

std::optional<std::string> WriteChartFile(const std::string& path, const ChartGeometry& geometry, ChartStyle style,
                                          const Numbers& numbers) {
  const auto format = ChartFormatOf(path);
  if (!format) return std::string("not a .png, .svg or .pdf file name");
  // Drawn in memory, then written whole: a failed drawing leaves no file behind.
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  bool drawn = false;
  switch (*format) {
    case ChartFormat::Png: {
      QImage image(kChartImageWidth, kChartImageHeight, QImage::Format_RGB32);
      image.fill(Qt::white);
      drawn = Draw(image, QRectF(image.rect()), geometry, style, numbers) && image.save(&file, "PNG");
      break;
    }
    case ChartFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setSize(QSize(kChartImageWidth, kChartImageHeight));
      svg.setViewBox(QRect(0, 0, kChartImageWidth, kChartImageHeight));
      svg.setTitle(QStringLiteral("Psychrometric chart"));
      drawn = Draw(svg, QRectF(0, 0, kChartImageWidth, kChartImageHeight), geometry, style, numbers);
      break;
    }
    case ChartFormat::Pdf: {
      QPdfWriter pdf(&file);
      pdf.setResolution(kPdfResolution);
      pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                    QPageLayout::Millimeter));
      pdf.setTitle(QStringLiteral("Psychrometric chart"));
      drawn = Draw(pdf, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), geometry, style, numbers);
      break;
    }
  }
  if (!drawn) return std::string("cannot draw the chart");
  const QByteArray& bytes = file.data();
  return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vaporel
