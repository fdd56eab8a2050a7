#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

#include "model/raster.h"

// Shows a raster of the core pixel for pixel, at its own size, and reports left clicks with the
// position inside it.
class RasterView : public QWidget {
  Q_OBJECT

 public:
  RasterView(const Raster& raster, QWidget* parent);

  // Runs before each paint to bring the raster up to date; may be empty.
  std::function<void()> BeforePaint;

 signals:
  void Clicked(QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const Raster& raster_;
};
