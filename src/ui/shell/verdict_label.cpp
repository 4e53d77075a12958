// The verdict label: the check summary is computed again whenever the report is laid out,
// which costs a fraction of the layout itself.
#include "ui/shell/verdict_label.h"

#include <QMouseEvent>

#include "families/dispatch.h"
#include "ui/shell/report_view.h"
#include "ui/shell/verdict_summary.h"

namespace traxen {

namespace {
CheckSummary SummaryOf(const ReportView* view) {
  const JobDocument& data = view->document()->data();
  return CheckJob(data.job, data.working, view->lastDialog());
}
}  // namespace

QString VerdictTextOf(const ReportView* view) {
  return view && view->document() ? DescribeVerdict(SummaryOf(view)).text : QString();
}

VerdictLabel::VerdictLabel(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("verdictLabel"));
  setAccessibleName(tr("Kontrolli tulemus"));
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setToolTip(tr("Klõps näitab aruandes määravat kontrolli"));
}

void VerdictLabel::follow(ReportView* view) {
  if (view == view_ && view) return refresh();
  disconnect(laid_out_);
  view_ = view;
  if (view) laid_out_ = connect(view, &ReportView::laidOut, this, &VerdictLabel::refresh);
  refresh();
}

void VerdictLabel::refresh() {
  const VerdictLine line =
      view_ && view_->document() ? DescribeVerdict(SummaryOf(view_)) : VerdictLine{};
  failed_ = line.failed;
  setText(line.text);
  // Red as the report's failed lines; a passing job keeps the appearance's text colour.
  setStyleSheet(failed_ ? QStringLiteral("color: red;") : QString());
  setVisible(!line.text.isEmpty());
}

bool VerdictLabel::showGoverningCheck() {
  if (!view_ || !view_->document()) return false;
  const ReportSpan check = GoverningCheckSpan(SummaryOf(view_), view_->report().ops.texts());
  if (!check.found()) return false;
  view_->scrollToReportSpan(check.top, check.bottom);
  view_->setFocus();
  return true;
}

void VerdictLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) showGoverningCheck();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace traxen
