#include "ui/shell/program_icon.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <iterator>

namespace traxen {

namespace {

// The icon's PNG renderings, each read when a size is first asked for and read as PNG and
// nothing else: letting Qt guess the format, or drawing the SVG, would load every
// image-format plug-in and the SVG library, and decoding all seven sizes up front would
// hold up the first window for pictures nobody has asked for yet.
class ProgramIconEngine : public QIconEngine {
 public:
  // Title bars ask again at every repaint: each size and mode is made once.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    const quint64 key = quint64(quint32(size.width())) << 34 | quint64(quint32(size.height())) << 2 | quint64(mode);
    QPixmap& shown = shown_[key];
    if (shown.isNull()) shown = make(size, mode);
    return shown;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = qMin(size.width(), size.height());
    return {side, side};
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int side : kSides) sizes.append(QSize(side, side));
    return sizes;
  }

  QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
  QString key() const override { return QStringLiteral("traxen-program-icon"); }

 private:
  static constexpr int kSides[] = {16, 24, 32, 48, 64, 128, 256};

  // The nearest rendering, scaled to `size` when it is not one of them, and faded when disabled.
  QPixmap make(const QSize& size, QIcon::Mode mode) {
    QPixmap picture = rendering(size);
    if (!picture.isNull() && picture.size() != size)
      picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode == QIcon::Disabled && !picture.isNull()) {
      QPixmap faded(picture.size());
      faded.fill(Qt::transparent);
      QPainter painter(&faded);
      painter.setOpacity(0.4);
      painter.drawPixmap(0, 0, picture);
      return faded;
    }
    return picture;
  }

  // The smallest rendering at least as large as asked, else the largest.
  QPixmap rendering(const QSize& size) {
    const int wanted = qMax(size.width(), size.height());
    int side = kSides[std::size(kSides) - 1];
    for (int candidate : kSides)
      if (candidate >= wanted) {
        side = candidate;
        break;
      }
    QPixmap& cached = cache_[side];
    if (cached.isNull()) {
      QImageReader reader(QStringLiteral(":/icons/traxen-%1.png").arg(side), "png");
      reader.setAutoDetectImageFormat(false);
      cached = QPixmap::fromImage(reader.read());
    }
    return cached;
  }

  QHash<int, QPixmap> cache_;       // the renderings read so far, by side
  QHash<quint64, QPixmap> shown_;   // by width, height and mode
};

}  // namespace

QIcon ProgramIcon() {
  if (!QFile::exists(QStringLiteral(":/icons/traxen-16.png"))) return QIcon();
  return QIcon(new ProgramIconEngine);
}

}  // namespace traxen
