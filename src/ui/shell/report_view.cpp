// Painting, scrolling and zooming the report.
#include "ui/shell/report_view.h"

#include "ui/shell/app_settings.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <ctime>

#include "ui/qt/painter_surface.h"
#include "ui/shell/zoom_math.h"

namespace traxen {

namespace {
constexpr int kHorizontalLineStep = 17;
constexpr int kVerticalLineStep = 220;
// The page separator below the last page is drawn one unit under it.
constexpr int kBottomMargin = 2;
const QColor kZoomRectangleColour(133, 142, 144);
}  // namespace

ReportView::ReportView(Document* document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), last_dialog_(document->data().last_confirmed_dialog) {
  setObjectName(QStringLiteral("reportView"));
  setAccessibleName(QStringLiteral("Aruanne"));
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);  // arrows and page keys scroll the report
  connect(document, &Document::changed, this, [this] {
    last_dialog_ = document_->data().last_confirmed_dialog;
    layOut();
  });
  layOut();
}

void ReportView::setLastDialog(int dialog) {
  if (dialog == last_dialog_) return;
  last_dialog_ = dialog;
  layOut();
}

void ReportView::layOut() {
  report_ = LayOutReport(document_->job(), document_->data().working, last_dialog_, std::time(nullptr),
                         AppSettings::braceWelds());
  updateScrollBars();
  viewport()->update();
}

QSize ReportView::contentSize() const {
  const double height = double(report_.page_count) * kReportPageHeight + kBottomMargin;
  return {int(std::lround(kReportStripWidth * zoom_)), int(std::lround(height * zoom_))};
}

QPoint ReportView::scrollPosition() const {
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void ReportView::updateScrollBars() {
  const QSize content = contentSize();
  const QSize client = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, content.width() - client.width()));
  verticalScrollBar()->setRange(0, std::max(0, content.height() - client.height()));
  horizontalScrollBar()->setSingleStep(kHorizontalLineStep);
  verticalScrollBar()->setSingleStep(kVerticalLineStep);
  // A page step of one client area, as the scroll bar's handle shows it.
  horizontalScrollBar()->setPageStep(std::max(1, client.width()));
  verticalScrollBar()->setPageStep(std::max(1, client.height()));
}

void ReportView::scrollTo(QPointF scroll) {
  horizontalScrollBar()->setValue(int(std::lround(scroll.x())));
  verticalScrollBar()->setValue(int(std::lround(scroll.y())));
}

QPointF ReportView::origin() const {
  // A client area wider than the page shows the page centred.
  const int spare = viewport()->width() - contentSize().width();
  const double left = spare > 0 ? spare / 2 : -horizontalScrollBar()->value();
  return {left, -double(verticalScrollBar()->value())};
}

QPointF ReportView::toReportUnits(QPointF client_point) const { return (client_point - origin()) / zoom_; }

void ReportView::zoomAbout(double zoom) {
  const double old_zoom = zoom_;
  const QPointF scroll = ScrollForZoomAbout(scrollPosition(), viewport()->size(), old_zoom, ClampZoom(zoom));
  zoom_ = ClampZoom(zoom);
  updateScrollBars();
  scrollTo(scroll);
  viewport()->update();
  if (zoom_ != old_zoom) emit zoomChanged(zoom_);
}

void ReportView::zoomAboutPoint(double zoom, QPointF client_point) {
  const double old_zoom = zoom_;
  const QPointF content_point = QPointF(scrollPosition()) + client_point;
  zoom_ = ClampZoom(zoom);
  updateScrollBars();
  scrollTo(content_point / old_zoom * zoom_ - client_point);
  viewport()->update();
  if (zoom_ != old_zoom) emit zoomChanged(zoom_);
}

void ReportView::zoomToRectangle(QRectF rect_units) {
  const double old_zoom = zoom_;
  const RectangleZoom target = ZoomToRectangle(rect_units, viewport()->size(), zoom_);
  zoom_ = target.zoom;
  updateScrollBars();
  scrollTo(target.scroll);
  viewport()->update();
  if (zoom_ != old_zoom) emit zoomChanged(zoom_);
}

void ReportView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect exposed = event->rect();
  // Each exposed pixel is filled once: the page white, the margins around it dark.
  const QPointF o = origin();
  const QRect page(o.toPoint(), contentSize());
  for (const QRect& margin : QRegion(exposed).subtracted(page)) painter.fillRect(margin, palette().color(QPalette::Dark));
  painter.fillRect(page.intersected(exposed), Qt::white);

  // Thin lines stay sharp without smoothing; enlarged, the slanted braces and arcs need it.
  painter.setRenderHint(QPainter::Antialiasing, zoom_ * devicePixelRatioF() >= 2.0);
  painter.translate(o);
  painter.scale(zoom_, zoom_);
  // The exposed area in report units, grown by a unit so strokes on its edge are complete;
  // the replay passes on only the drawing that can touch it, and the painter's own clip (the
  // exposed region) trims the rest.
  const QRectF pixels = QRectF(exposed).translated(-o);
  const ReportRect clip{int(std::floor(pixels.left() / zoom_)) - 1, int(std::floor(pixels.top() / zoom_)) - 1,
                        int(std::ceil(pixels.right() / zoom_)) + 1, int(std::ceil(pixels.bottom() / zoom_)) + 1};
  QPainterSurface surface(painter);
  ReplayReport(report_, surface, &clip);

  if (dragging_) {
    QPen pen(kZoomRectangleColour);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(drag_rect_);
  }
}

void ReportView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

bool ReportView::viewportEvent(QEvent* event) {
  // A scroll bar that appears or goes narrows the client area without resizing the view.
  if (event->type() == QEvent::Resize) updateScrollBars();
  return QAbstractScrollArea::viewportEvent(event);
}

void ReportView::scrollContentsBy(int dx, int dy) {
  // Moves what is already drawn and repaints only the uncovered strip; a page narrower than
  // the client area sits centred and does not move sideways.
  if (viewport()->width() >= contentSize().width()) dx = 0;
  viewport()->scroll(dx, dy);
}

void ReportView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || dragging_) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  drag_anchor_ = toReportUnits(event->position());
  drag_rect_ = QRectF(drag_anchor_, QSizeF(0, 0));
  dragging_ = true;
  viewport()->update();
}

void ReportView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  drag_rect_ = QRectF(drag_anchor_, toReportUnits(event->position())).normalized();
  viewport()->update();
}

void ReportView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) {
    QAbstractScrollArea::mouseReleaseEvent(event);
    return;
  }
  dragging_ = false;
  zoomToRectangle(drag_rect_);
}

void ReportView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  const double steps = event->angleDelta().y() / 120.0;
  if (steps != 0) zoomAboutPoint(zoom_ * std::pow(1.25, steps), event->position());
  event->accept();
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
  // The edit menu of the view: its entries have no action here, so they show disabled.
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("reportContextMenu"));
  for (const char* text : {"Lõika", "Kopeeri", "Kleebi"}) menu.addAction(QString::fromUtf8(text))->setEnabled(false);
  menu.exec(event->globalPos());
  viewport()->update();
}

void ReportView::closeEvent(QCloseEvent* event) {
  if (close_guard_ && !close_guard_(this)) {
    event->ignore();
    return;
  }
  QAbstractScrollArea::closeEvent(event);
}

}  // namespace traxen
