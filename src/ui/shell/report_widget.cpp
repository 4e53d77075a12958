// Painting the report: the dispatcher draws straight onto the widget's painter.
#include "ui/shell/report_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "report/dispatch.h"
#include "ui/qt/painter_surface.h"

namespace traxen {

namespace {
constexpr int kReportWidth = 850;
constexpr int kReportHeight = 11000;
}  // namespace

ReportWidget::ReportWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setZoom(1.0);
}

void ReportWidget::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, 0.2, 5.0);
  setFixedSize(int(std::lround(kReportWidth * zoom_)), int(std::lround(kReportHeight * zoom_)));
  update();
}

void ReportWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect clip = event->rect().adjusted(-1, -1, 1, 1);
  painter.setClipRect(clip);
  painter.fillRect(clip, palette().base());  // the window colour of a document view: white
  painter.scale(zoom_, zoom_);
  QPainterSurface surface(painter);
  RenderOptions options;
  options.now = std::time(nullptr);
  page_count_ = RenderReport(surface, doc_.job, doc_.working, doc_.last_confirmed_dialog, options).page_count;
}

}  // namespace traxen
