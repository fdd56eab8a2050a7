#include "screens/shell/raster_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

static_assert(sizeof(RgbColour) == 3, "a raster row is laid out as 8-bit RGB triples");

RasterView::RasterView(const Raster& raster, QWidget* parent) : QWidget(parent), raster_(raster) {
  setFixedSize(raster.Width(), raster.Height());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void RasterView::paintEvent(QPaintEvent* /*event*/) {
  if (BeforePaint) BeforePaint();
  const QImage image(reinterpret_cast<const uchar*>(raster_.Pixels().data()), raster_.Width(),
                     raster_.Height(), raster_.Width() * 3, QImage::Format_RGB888);
  QPainter painter(this);
  painter.drawImage(0, 0, image);
}

// A click is a left button released over the view, like a classic control's click.
void RasterView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  if (event->button() == Qt::LeftButton && rect().contains(position)) emit Clicked(position);
}
