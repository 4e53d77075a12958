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

// The sketch places its labels up to about 100 units outside the chord ends and 150 units
// above and below the chord axis, so it needs about this much room to stay readable.
QSize JointPreview::sizeHint() const { return {460, 420}; }
QSize JointPreview::minimumSizeHint() const { return {400, 360}; }

void JointPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPainterSurface surface(painter);
  render(surface, width(), height());
}

}  // namespace traxen
