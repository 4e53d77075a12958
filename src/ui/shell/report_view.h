// The zoomable report view of one document window: lays the report out when the job changes
// and replays only the exposed part on paint. It keeps its own zoom, scroll position, zoom
// rectangle and dialog marker; the job belongs to the document, shared with other views.
#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <functional>

#include "report/laid_out_report.h"
#include "ui/shell/document.h"

namespace traxen {

class ReportView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit ReportView(Document* document, QWidget* parent = nullptr);

  Document* document() const { return document_; }
  double zoom() const { return zoom_; }
  // Which joint dialog the view's report follows: 0 while a joint dialog is open or none was
  // confirmed, else the document's last confirmed one.
  int lastDialog() const { return last_dialog_; }
  void setLastDialog(int dialog);
  // Lays the report out again, for a change of what reports show (the brace welds).
  void relayOut() { layOut(); }

  const LaidOutReport& report() const { return report_; }
  int pageCount() const { return report_.page_count; }
  // The size of the scrolled content in device-independent pixels at the current zoom.
  QSize contentSize() const;
  QPoint scrollPosition() const;

  // Zooms keeping the report point at the client centre (the slider, Ctrl+plus/minus).
  void zoomAbout(double zoom);
  // Zooms keeping the report point under `client_point` in place (Ctrl+wheel).
  void zoomAboutPoint(double zoom, QPointF client_point);
  // The end of a dragged zoom rectangle (report units); a click scrolls to the point.
  void zoomToRectangle(QRectF rect_units);

  // Report units of a point in the client area.
  QPointF toReportUnits(QPointF client_point) const;

  // Asked when the window is about to close; false keeps it open.
  void setCloseGuard(std::function<bool(ReportView*)> guard) { close_guard_ = std::move(guard); }

 signals:
  void zoomChanged(double zoom);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void layOut();
  void updateScrollBars();
  void scrollTo(QPointF scroll);
  QPointF origin() const;  // client position of the report's (0, 0)

  QPointer<Document> document_;
  double zoom_ = 1.0;
  int last_dialog_ = 0;
  bool dragging_ = false;
  QPointF drag_anchor_;
  QRectF drag_rect_;
  LaidOutReport report_;
  std::function<bool(ReportView*)> close_guard_;
};

}  // namespace traxen
