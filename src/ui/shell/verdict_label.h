// The status bar's verdict of the active job, kept up to date as the job and its report
// change; a click brings the check that governs the verdict into view.
#pragma once

#include <QLabel>
#include <QMetaObject>
#include <QPointer>

namespace traxen {

class ReportView;

class VerdictLabel : public QLabel {
  Q_OBJECT
 public:
  explicit VerdictLabel(QWidget* parent = nullptr);

  // Follows `view`'s report (none: the label is empty).
  void follow(ReportView* view);
  bool failed() const { return failed_; }

  // Scrolls the followed view so that the whole governing check is in sight; false when there
  // is none to show.
  bool showGoverningCheck();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void refresh();

  QPointer<ReportView> view_;
  QMetaObject::Connection laid_out_;
  bool failed_ = false;
};

// The verdict line of a view's job, for the window list's tooltips.
QString VerdictTextOf(const ReportView* view);

}  // namespace traxen
