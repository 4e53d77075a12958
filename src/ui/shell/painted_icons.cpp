#include "ui/shell/painted_icons.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace traxen {

namespace {

const QColor kOutline(60, 60, 60);
const QColor kMetal(150, 155, 160);
const QColor kFolder(226, 184, 84);
const QColor kDisk(70, 110, 170);

// Each picture is drawn on a 32 × 32 grid; the engine scales it to the size asked for.
void DrawPicture(QPainter& p, PaintedPicture picture) {
  p.setPen(QPen(kOutline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  switch (picture) {
    case PaintedPicture::kNewPage: {
      QPainterPath page;
      page.moveTo(7.5, 3.5);
      page.lineTo(19.5, 3.5);
      page.lineTo(25.5, 9.5);
      page.lineTo(25.5, 28.5);
      page.lineTo(7.5, 28.5);
      page.closeSubpath();
      p.setBrush(Qt::white);
      p.drawPath(page);
      p.drawPolyline(QPolygonF({QPointF(19.5, 3.5), QPointF(19.5, 9.5), QPointF(25.5, 9.5)}));
      break;
    }
    case PaintedPicture::kOpenFolder: {
      p.setBrush(kFolder.darker(115));
      p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(11.5, 7.5), QPointF(14.5, 10.5), QPointF(25.5, 10.5),
                               QPointF(25.5, 26.5), QPointF(3.5, 26.5)}));
      p.setBrush(kFolder);
      p.drawPolygon(QPolygonF({QPointF(3.5, 26.5), QPointF(8.5, 14.5), QPointF(29.5, 14.5), QPointF(25.5, 26.5)}));
      break;
    }
    case PaintedPicture::kSaveDisk: {
      p.setBrush(kDisk);
      p.drawPolygon(QPolygonF({QPointF(4.5, 4.5), QPointF(24.5, 4.5), QPointF(27.5, 7.5), QPointF(27.5, 27.5),
                               QPointF(4.5, 27.5)}));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9.5, 4.5, 13, 8));  // the label
      p.setBrush(kMetal);
      p.drawRect(QRectF(9.5, 18.5, 13, 9));  // the shutter
      break;
    }
    case PaintedPicture::kPrinter: {
      p.setPen(QPen(kOutline, 1.5));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9.5, 3.5, 13, 9));  // paper going in
      p.setBrush(kMetal);
      p.drawRoundedRect(QRectF(3.5, 11.5, 25, 11), 2, 2);  // body
      p.setBrush(Qt::white);
      p.drawRect(QRectF(8.5, 18.5, 15, 10));  // printed sheet
      p.drawLine(QPointF(11, 22.5), QPointF(21, 22.5));
      p.drawLine(QPointF(11, 25.5), QPointF(19, 25.5));
      break;
    }
    case PaintedPicture::kQuestion: {
      p.setBrush(QColor(60, 120, 200));
      p.setPen(QPen(QColor(40, 80, 150), 1.5));
      p.drawEllipse(QRectF(3.5, 3.5, 25, 25));
      p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      QPainterPath hook;
      hook.moveTo(11.5, 12.5);
      hook.cubicTo(11.5, 6.5, 20.5, 6.5, 20.5, 12);
      hook.cubicTo(20.5, 16, 16, 16, 16, 19.5);
      p.drawPath(hook);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(16, 24), 1.9, 1.9);
      break;
    }
    case PaintedPicture::kMoreRight:
      p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(9, 9), QPointF(16, 16), QPointF(9, 23)}));
      p.drawPolyline(QPolygonF({QPointF(17, 9), QPointF(24, 16), QPointF(17, 23)}));
      break;
    case PaintedPicture::kMoreDown:
      p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(9, 9), QPointF(16, 16), QPointF(23, 9)}));
      p.drawPolyline(QPolygonF({QPointF(9, 17), QPointF(16, 24), QPointF(23, 17)}));
      break;
    case PaintedPicture::kMaximize:
      p.setPen(QPen(kOutline, 2));
      p.drawRect(QRectF(7, 7, 18, 18));
      p.drawLine(QPointF(7, 9), QPointF(25, 9));
      break;
    case PaintedPicture::kMinimize:
      p.setPen(QPen(kOutline, 2.5));
      p.drawLine(QPointF(8, 23), QPointF(24, 23));
      break;
    case PaintedPicture::kRestore:
      p.setPen(QPen(kOutline, 2));
      p.drawRect(QRectF(11, 6, 15, 13));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6, 13, 15, 13));
      break;
    case PaintedPicture::kClose:
      p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(9, 9), QPointF(23, 23));
      p.drawLine(QPointF(23, 9), QPointF(9, 23));
      break;
  }
}

class PaintedIconEngine : public QIconEngine {
 public:
  explicit PaintedIconEngine(PaintedPicture picture) : picture_(picture) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(rect.width(), rect.height());
    painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
    painter->scale(side / 32.0, side / 32.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    DrawPicture(*painter, picture_);
    painter->restore();
  }

  // Toolbars and menus ask again at every repaint: each size and mode is painted once.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const quint64 key = quint64(quint32(size.width())) << 34 | quint64(quint32(size.height())) << 2 | quint64(mode);
    QPixmap& cached = cache_[key];
    if (cached.isNull() && !size.isEmpty()) {
      cached = QPixmap(size);
      cached.fill(Qt::transparent);
      QPainter painter(&cached);
      paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    }
    return cached;
  }

  QIconEngine* clone() const override { return new PaintedIconEngine(picture_); }

 private:
  PaintedPicture picture_;
  QHash<quint64, QPixmap> cache_;  // by width, height and mode
};

}  // namespace

QIcon PaintedIcon(PaintedPicture picture) { return QIcon(new PaintedIconEngine(picture)); }

}  // namespace traxen
