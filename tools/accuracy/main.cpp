// accuracy OUT.png: how far the program's correlations lie from the reference formulation,
// over the states pair 1's field checks accept, per region of dry bulb and pressure; prints
// the tables of docs/accuracy.md and draws the wet-bulb difference at 1.01325 bar to OUT.png.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calculation/resolve_state.hpp"
#include "formulation_section.hpp"
#include "properties/formulation.hpp"
#include "properties/saturation.hpp"
#include "saturation_table.hpp"

namespace {

using namespace vaporel;

struct Stat {
  double max = 0, sumSquares = 0;
  long n = 0;
  void add(double d) {
    max = std::max(max, std::abs(d));
    sumSquares += d * d;
    ++n;
  }
  double rms() const { return n ? std::sqrt(sumSquares / static_cast<double>(n)) : 0; }
};

struct Differences {
  double ps, x, twb, tdp, h;  // ps in % of the reference, x in g/kg, the rest in K and kJ/kg
};

std::optional<Differences> Compare(double p, double tdb, double rh) {
  const Resolution r = ResolveState(InputPair::DryBulbHumidity, p, tdb, rh);
  const auto* s = std::get_if<AirState>(&r);
  if (!s) return std::nullopt;
  const Formulation& reference = AshraeFormulation();
  const double ps = reference.saturationPressure(tdb);
  const double pw = rh / 100 * ps;
  const double w = reference.humidityRatio(pw, p);
  Differences d;
  d.ps = (SatPressure(tdb) / ps - 1) * 100;
  d.x = (s->x - w) * 1000;
  d.twb = s->twb - reference.wetBulb(tdb, w, p);
  d.tdp = s->tdp - reference.dewPoint(pw);
  d.h = s->h - reference.enthalpy(tdb, w);
  return d;
}

// Highest dry bulb pair 1 accepts at p, as the panel shows it (one decimal).
double HighestDryBulb(double p) { return std::floor(0.9 * SatTemperature(p) * 10) / 10; }

// One region's largest and rms difference, or a dash where no state falls.
void PrintCell(const Stat& s) {
  if (s.n == 0) {
    std::printf(" — |");
  } else {
    std::printf(" %.3g / %.3g |", s.max, s.rms());
  }
}

void Table(const char* title, double Differences::*field, const char* unit) {
  std::printf("\n**%s** [%s], largest / rms\n\n", title, unit);
  std::printf("| p [bar] | below 0 °C | 0 to 50 °C | above 50 °C |\n|---|---|---|---|\n");
  for (double p : {0.1, 1.01325, 10.0}) {
    Stat regions[3];
    const double top = HighestDryBulb(p);
    for (double tdb = -40; tdb <= top; tdb += 0.5) {
      for (double rh = 1; rh <= 100; rh += 1) {
        const auto d = Compare(p, tdb, rh);
        if (d) regions[tdb < 0 ? 0 : tdb <= 50 ? 1 : 2].add((*d).*field);
      }
    }
    std::printf("| %g |", p);
    for (const Stat& s : regions) PrintCell(s);
    std::printf("\n");
  }
}

QColor Diverging(double value, double scale) {
  const double v = std::clamp(value / scale, -1.0, 1.0);
  const int fade = static_cast<int>(255 * (1 - std::abs(v)));
  return v >= 0 ? QColor(255, fade, fade) : QColor(fade, fade, 255);
}

bool Picture(const char* path) {
  constexpr double p = 1.01325, scale = 0.6;
  const double top = HighestDryBulb(p);
  const QRect plot(90, 60, 900, 500);
  QImage image(1200, 660, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (int px = 0; px < plot.width(); ++px) {
    for (int py = 0; py < plot.height(); ++py) {
      const double tdb = -40 + (top + 40) * (px + 0.5) / plot.width();
      const double rh = 1 + 99.0 * (plot.height() - py - 0.5) / plot.height();
      const auto d = Compare(p, tdb, rh);
      image.setPixelColor(plot.left() + px, plot.top() + py, d ? Diverging(d->twb, scale) : QColor(200, 200, 200));
    }
  }
  painter.setPen(Qt::black);
  painter.drawRect(plot);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(14);
  painter.setFont(font);
  for (int t = -40; t <= top; t += 10) {
    const int x = plot.left() + static_cast<int>((t + 40) / (top + 40) * plot.width());
    painter.drawLine(x, plot.bottom(), x, plot.bottom() + 5);
    painter.drawText(QRect(x - 30, plot.bottom() + 8, 60, 20), Qt::AlignHCenter, QString::number(t));
  }
  for (int rh = 0; rh <= 100; rh += 20) {
    const int y = plot.bottom() - static_cast<int>((rh - 1) / 99.0 * plot.height());
    painter.drawLine(plot.left() - 5, y, plot.left(), y);
    painter.drawText(QRect(plot.left() - 50, y - 10, 40, 20), Qt::AlignRight | Qt::AlignVCenter, QString::number(rh));
  }
  painter.drawText(QRect(plot.left(), plot.bottom() + 30, plot.width(), 20), Qt::AlignHCenter,
                   QStringLiteral("Dry bulb temperature, tdb  [oC]"));
  painter.save();
  painter.translate(25, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRect(-150, -10, 300, 20), Qt::AlignHCenter, QStringLiteral("Relative humidity, RH  [%]"));
  painter.restore();
  font.setPixelSize(18);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(0, 15, 1200, 30), Qt::AlignHCenter,
                   QStringLiteral("Wet bulb temperature: program minus reference [K], p = 1.01325 bar"));
  font.setPixelSize(13);
  font.setBold(false);
  painter.setFont(font);
  const QRect bar(1040, 60, 30, 500);
  for (int y = 0; y < bar.height(); ++y) {
    painter.setPen(Diverging(scale - 2 * scale * y / bar.height(), scale));
    painter.drawLine(bar.left(), bar.top() + y, bar.right(), bar.top() + y);
  }
  painter.setPen(Qt::black);
  painter.drawRect(bar);
  for (double v : {-0.6, -0.3, 0.0, 0.3, 0.6}) {
    const int y = bar.top() + static_cast<int>((scale - v) / (2 * scale) * bar.height());
    painter.drawText(QRect(bar.right() + 6, y - 10, 60, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(v, 'f', 1));
  }
  painter.end();
  return image.save(QString::fromLocal8Bit(path), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: accuracy OUT.png\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Table("Saturation pressure ps", &Differences::ps, "% of the reference");
  Table("Absolute humidity x", &Differences::x, "g/kg");
  Table("Wet bulb temperature twb", &Differences::twb, "K");
  Table("Dew point tdp", &Differences::tdp, "K");
  Table("Enthalpy h", &Differences::h, "kJ/kg");
  accuracy::PrintSaturationTable();
  accuracy::PrintFormulationSection();
  return Picture(argv[1]) ? 0 : 1;
}
