// Painting the joint picture through the QPainter surface.
#include "ui/dialogs/joint_preview.h"

#include <QPainter>

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
QSize JointPreview::minimumSizeHint() const { return least_; }

void JointPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPainterSurface surface(painter);
  render(surface, width(), height());
}

}  // namespace traxen
