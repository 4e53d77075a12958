// The zoomable report view of one document window: lays the report out when the job changes
// and replays only the exposed part on paint. It keeps its own zoom, scroll position, zoom
// rectangle and dialog marker; the job belongs to the document, shared with other views.
#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <functional>
#include <optional>

#include "families/laid_out_report.h"
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

  // The zoom ladder's next step up or down, about the client centre (Ctrl+plus, Ctrl+minus).
  void zoomIn();
  void zoomOut();
  // 100 %, the whole page (the one at the client centre, from its top) or the full width.
  void zoomToActualSize() { zoomAbout(1.0); }
  void fitPage();
  void fitWidth();
  // The client area the fit commands fill: the viewport, less the vertical scroll bar that a
  // report taller than it will show, plus the horizontal one that a fitted page will not.
  QSize fitClientSize() const;

  // Scrolls so that the report lines from y `top` to the line at y `bottom` are in sight, a
  // line of what comes before above them; lines taller than the client show their end, with
  // as much above it as fits. x is kept.
  void scrollToReportSpan(double top, double bottom);

  // The page at the client centre (from 0).
  int visiblePage() const;
  // Puts the visible page on the clipboard as an image and as a PDF (Kopeeri).
  void copyVisiblePage();
  // Puts the joint schematic alone on the clipboard as an image; false when the report has none.
  bool copySchematic();
  // Where the schematic lies in report units, if the report has one.
  std::optional<ReportRect> schematicBounds() const;

  // Report units of a point in the client area.
  QPointF toReportUnits(QPointF client_point) const;

  // Asked when the window is about to close; false keeps it open.
  void setCloseGuard(std::function<bool(ReportView*)> guard) { close_guard_ = std::move(guard); }

 signals:
  void zoomChanged(double zoom);
  // The report was laid out again (the job, the dialog marker or what reports show changed).
  void laidOut();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void layOut();
  void updateScrollBars();
  void scrollTo(QPointF scroll);
  QPointF origin() const;  // client position of the report's (0, 0)
  void scrollBy(int dx, int dy);

  QPointer<Document> document_;
  double zoom_ = 1.0;
  int last_dialog_ = 0;
  bool dragging_ = false;
  QPointF drag_anchor_;
  QRectF drag_rect_;
  LaidOutReport report_;
  // A new layout (after a dialog's OK) keeps the scroll position; one that is briefly
  // shorter (the report without its schematic while the joint dialog is open) must not
  // lose it, so the position wanted is held until the user scrolls.
  QPoint kept_scroll_;
  bool scroll_held_ = false;
  bool laying_out_ = false;
  std::function<bool(ReportView*)> close_guard_;
};

}  // namespace traxen
