// Painting the joint picture through the QPainter surface.
#include "ui/dialogs/joint_preview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/qt/painter_surface.h"

namespace traxen {

JointPreview::JointPreview(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void JointPreview::setRenderer(Renderer renderer) {
  renderer_ = std::move(renderer);
  update();
}

void JointPreview::render(DrawingSurface& surface, int width, int height) const {
  if (renderer_) renderer_(surface, width, height);
}

void JointPreview::setPictureSizes(QSize preferred, QSize least) {
  preferred_ = preferred;
  least_ = least;
  updateGeometry();
}

QSize JointPreview::sizeHint() const { return preferred_; }
QSize JointPreview::minimumSizeHint() const {
  return {int(std::ceil(least_.width() * kLeastScale)), int(std::ceil(least_.height() * kLeastScale))};
}

// Narrower or lower than its drawing needs, the picture draws at the size it needs, scaled
// down whole: the labels at the drawing's edges would otherwise be cut off.
void JointPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const double scale = std::min({1.0, double(width()) / least_.width(), double(height()) / least_.height()});
  if (scale < 1) {
    // Smaller lines and letters read better smoothed.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(scale, scale);
  }
  QPainterSurface surface(painter);
  render(surface, int(std::lround(width() / scale)), int(std::lround(height() / scale)));
}

}  // namespace traxen
