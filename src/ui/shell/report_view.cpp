// Painting, scrolling and zooming the report.
#include "ui/shell/report_view.h"

#include "ui/shell/app_settings.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "ui/qt/painter_surface.h"
#include "ui/shell/report_clipboard.h"
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
  setAccessibleName(tr("Aruanne"));
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
  const QPoint wanted = scroll_held_ ? kept_scroll_ : scrollPosition();
  report_ = LayOutReport(document_->job(), document_->data().working, last_dialog_, std::time(nullptr),
                         AppSettings::braceWelds(), 1, 0, AppSettings::reportLanguage());
  laying_out_ = true;
  updateScrollBars();
  scrollTo(wanted);
  laying_out_ = false;
  scroll_held_ = scrollPosition() != wanted;
  kept_scroll_ = wanted;
  viewport()->update();
  emit laidOut();
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

void ReportView::scrollBy(int dx, int dy) {
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
  verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
}

void ReportView::scrollToReportSpan(double top, double bottom) {
  // A report line is 23 units high: the last line ends that far below its y.
  constexpr double kReportLineUnits = 23;
  const int margin = LineScrollPixels(zoom_);
  const int first = int(std::lround(top * zoom_)) - margin;
  const int last = int(std::lround((bottom + kReportLineUnits) * zoom_)) + margin;
  const int client = viewport()->height();
  verticalScrollBar()->setValue(last - first <= client ? first : last - client);
}

QSize ReportView::fitClientSize() const {
  QSize client = viewport()->size();
  const QScrollBar* vertical = verticalScrollBar();
  const QScrollBar* horizontal = horizontalScrollBar();
  if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && !vertical->isVisible())
    client.rwidth() -= vertical->sizeHint().width();
  if (horizontal->isVisible()) client.rheight() += horizontal->height();
  return client;
}

void ReportView::zoomIn() { zoomAbout(NextLadderZoom(zoom_)); }
void ReportView::zoomOut() { zoomAbout(PreviousLadderZoom(zoom_)); }

void ReportView::fitWidth() {
  // The page is centred in a wider client area, so its width in view is the strip's.
  const QSize client = fitClientSize();
  zoomAbout(FitWidthZoom(client.width(), kReportStripWidth));
  horizontalScrollBar()->setValue(0);
}

void ReportView::fitPage() {
  const double centre_units = toReportUnits(QPointF(viewport()->rect().center())).y();
  const int page = std::clamp(int(centre_units / kReportPageHeight), 0, std::max(0, report_.page_count - 1));
  const double old_zoom = zoom_;
  zoom_ = FitPageZoom(fitClientSize(), QSizeF(kReportStripWidth, kReportPageHeight));
  updateScrollBars();
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(int(std::lround(page * kReportPageHeight * zoom_)));
  viewport()->update();
  if (zoom_ != old_zoom) emit zoomChanged(zoom_);
}

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
  if (!laying_out_) scroll_held_ = false;  // the user moved on from the held position
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
    // A touchpad reports the pixels to move; a wheel reports notches, each some text lines.
    // Shift turns a plain wheel sideways, as elsewhere on the desktop.
    QPoint move;
    if (!event->pixelDelta().isNull()) {
      move = -event->pixelDelta();
    } else {
      const int lines = QApplication::wheelScrollLines();
      QPoint angle = event->angleDelta();
      if (event->modifiers() & Qt::ShiftModifier && angle.x() == 0) angle = QPoint(angle.y(), 0);
      move = QPoint(WheelScrollPixels(angle.x(), zoom_, lines), WheelScrollPixels(angle.y(), zoom_, lines));
    }
    scrollBy(move.x(), move.y());
    event->accept();
    return;
  }
  const double steps = event->angleDelta().y() / 120.0;
  if (steps != 0) zoomAboutPoint(zoom_ * std::pow(1.25, steps), event->position());
  event->accept();
}

void ReportView::keyPressEvent(QKeyEvent* event) {
  const int line = LineScrollPixels(zoom_);
  const int screen = std::max(1, viewport()->height());
  QScrollBar* vertical = verticalScrollBar();
  switch (event->key()) {
    case Qt::Key_Up: scrollBy(0, -line); break;
    case Qt::Key_Down: scrollBy(0, line); break;
    case Qt::Key_Left: scrollBy(-line, 0); break;
    case Qt::Key_Right: scrollBy(line, 0); break;
    case Qt::Key_PageUp: scrollBy(0, -screen); break;
    case Qt::Key_PageDown: scrollBy(0, screen); break;
    // With or without Ctrl: the report has no cursor whose line Home alone could mean.
    case Qt::Key_Home: vertical->setValue(vertical->minimum()); break;
    case Qt::Key_End: vertical->setValue(vertical->maximum()); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  event->accept();
}

int ReportView::visiblePage() const {
  const double centre = toReportUnits(QPointF(viewport()->rect().center())).y();
  return std::clamp(int(std::floor(centre / kReportPageHeight)), 0, std::max(0, report_.page_count - 1));
}

void ReportView::copyVisiblePage() {
  const QString title = QString::fromStdString(document_->job().info.job_name);
  QGuiApplication::clipboard()->setMimeData(ReportPageMimeData(report_, visiblePage(), title).release());
}

std::optional<ReportRect> ReportView::schematicBounds() const {
  return SchematicBounds(report_, document_->job(), document_->data().working, last_dialog_, AppSettings::braceWelds(),
                         AppSettings::reportLanguage());
}

bool ReportView::copySchematic() {
  const std::optional<ReportRect> bounds = schematicBounds();
  if (!bounds) return false;
  QGuiApplication::clipboard()->setImage(ReportRegionImage(report_, *bounds, 2.0));
  return true;
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
  // The edit menu of the view: the report can be copied, not cut or pasted into. On the
  // schematic the menu offers the drawing alone.
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("reportContextMenu"));
  menu.addAction(tr("Lõika"))->setEnabled(false);
  QAction* copy = menu.addAction(tr("Kopeeri"));
  copy->setObjectName(QStringLiteral("contextCopy"));
  connect(copy, &QAction::triggered, this, &ReportView::copyVisiblePage);
  menu.addAction(tr("Kleebi"))->setEnabled(false);
  const QPointF at = toReportUnits(event->pos() - viewport()->pos());
  const std::optional<ReportRect> sketch = schematicBounds();
  if (sketch && at.x() >= sketch->left && at.x() < sketch->right && at.y() >= sketch->top && at.y() < sketch->bottom) {
    menu.addSeparator();
    QAction* drawing = menu.addAction(tr("Kopeeri skeem"));
    drawing->setObjectName(QStringLiteral("contextCopySchematic"));
    connect(drawing, &QAction::triggered, this, &ReportView::copySchematic);
  }
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
