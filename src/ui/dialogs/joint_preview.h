// The picture area of a joint dialog: it paints whatever its renderer draws on the drawing
// surface, in the widget's own logical pixels (width × height), so the dialog itself holds
// no geometry. Without a renderer the area stays cleared.
#pragma once

#include <QWidget>
#include <functional>

#include "report/surface.h"

namespace traxen {

class JointPreview : public QWidget {
  Q_OBJECT
 public:
  using Renderer = std::function<void(DrawingSurface& surface, int width, int height)>;

  explicit JointPreview(QWidget* parent = nullptr);

  void setRenderer(Renderer renderer);
  // The room the picture asks for and the least its drawing needs (logical pixels). Given less,
  // down to kLeastScale of it, the picture shows the whole drawing smaller.
  void setPictureSizes(QSize preferred, QSize least);
  static constexpr double kLeastScale = 0.8;
  // Draws the picture onto any surface, as a paint of a width × height area would.
  void render(DrawingSurface& surface, int width, int height) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Renderer renderer_;
  QSize preferred_{520, 460};
  QSize least_{470, 420};
};

}  // namespace traxen
