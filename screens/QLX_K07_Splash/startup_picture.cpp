#include "screens/QLX_K07_Splash/startup_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int Width = 384;
constexpr int Height = 256;
constexpr double Baseline = 216.0;
constexpr double PeakX = 70.0;

// Height above the baseline of a pulse peaking at PeakX, and of the decay it excites.
double Pulse(double x) {
  return 150.0 * std::exp(-std::pow((x - PeakX) / 9.0, 2.0));
}
double Decay(double x) {
  if (x < PeakX - 12.0) return 0.0;
  const double rise = 1.0 / (1.0 + std::exp(-(x - PeakX) / 4.0));
  return 170.0 * rise * std::exp(-(x - PeakX) / 85.0);
}

void DrawCurve(QPainter& painter, double (*height)(double), QColor colour) {
  QPainterPath path(QPointF(24.0, Baseline - height(24.0)));
  for (double x = 25.0; x <= Width - 16.0; x += 1.0) path.lineTo(x, Baseline - height(x));
  painter.setPen(QPen(colour, 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

}  // namespace

QPixmap StartupPicture() {
  QPixmap picture(Width, Height);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, Height);
  sky.setColorAt(0.0, QColor(10, 20, 70));
  sky.setColorAt(1.0, QColor(30, 60, 130));
  painter.fillRect(picture.rect(), sky);

  painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
  for (int x = 24; x < Width; x += 40) painter.drawLine(x, 20, x, static_cast<int>(Baseline));
  for (int y = 216; y > 20; y -= 28) painter.drawLine(24, y, Width - 16, y);

  // Photon counts scattered about the decay, as the analyser shows them.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 120, 100));
  for (int x = 40; x < Width - 16; x += 3) {
    const double scatter = 6.0 * std::sin(x * 12.9898) * std::sqrt(Decay(x) / 170.0);
    painter.drawEllipse(QPointF(x, Baseline - Decay(x) + scatter), 1.3, 1.3);
  }

  DrawCurve(painter, Pulse, QColor(120, 170, 255));
  DrawCurve(painter, Decay, QColor(120, 230, 120));

  painter.setPen(QPen(Qt::white, 2));
  painter.drawLine(24, static_cast<int>(Baseline), Width - 16, static_cast<int>(Baseline));
  painter.drawLine(24, 20, 24, static_cast<int>(Baseline));
  return picture;
}
