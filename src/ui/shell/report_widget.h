// The report of one job painted at a zoom factor; sits in a scroll area.
#pragma once

#include <QWidget>

#include "model/job_document.h"

namespace traxen {

class ReportWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ReportWidget(QWidget* parent = nullptr);

  Job& job() { return doc_.job; }
  JobDocument& document() { return doc_; }
  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  int pageCount() const { return page_count_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  JobDocument doc_;
  double zoom_ = 1.0;
  int page_count_ = 1;
};

}  // namespace traxen
