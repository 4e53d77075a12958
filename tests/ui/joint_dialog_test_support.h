// Helpers of the joint-dialog tests: the section library shipped with the program, a small
// library written for one test, finding a dialog's controls, showing it, and answering the
// modal windows a dialog opens.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>
#include <string>

#include "report/recording_surface.h"
#include "sections/section_library.h"

namespace traxen::test {

inline std::string ShippedLibraryDir() { return std::string(TRAXEN_TEST_DIR) + "/../data/Profiilid"; }

// The row of a library's section at `position` of type `type`, as the dialogs complete it.
inline SectionProperties LibraryRow(const char* type, int position, const std::string& dir = ShippedLibraryDir()) {
  std::optional<SelectedSection> s;
  SectionLibrary(dir).SelectSection(type, position, s);
  if (!s) qFatal("no section %s %d", type, position);
  return s->row;
}

// The dialog's control named `name`; a test without it cannot go on.
template <typename T>
T* Find(QObject* dialog, const char* name) {
  T* w = dialog->findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no control %s", name);
  return w;
}

// The object names of the controls Tab visits from `first` up to the one named `last`.
inline QStringList TabChain(QWidget* first, const QString& last) {
  QStringList names;
  QWidget* w = first;
  for (int i = 0; w && i < 100; ++i, w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) names << w->objectName();
    if (w->objectName() == last) break;
  }
  return names;
}

// Shows the dialog and waits until it is on screen, so that focus and message boxes behave
// as for a user.
inline bool ShowExposed(QWidget& dialog) {
  dialog.show();
  return QTest::qWaitForWindowExposed(&dialog);
}

// A library in a temporary folder: the list file and the type files given, nothing else.
class TinyLibrary {
 public:
  void write(const QString& name, const QByteArray& text) {
    QFile file(QDir(dir_.path()).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  std::string dir() const { return dir_.path().toStdString(); }

 private:
  QTemporaryDir dir_;
};

// Answers the next message box: keeps its text and presses OK. Give up after about two
// seconds so that a test without a message box does not poll for ever.
class MessageBoxCatcher : public QObject {
 public:
  void arm() {
    tries_ = 200;
    QTimer::singleShot(0, this, [this] { poll(); });
  }
  QStringList texts;

 private:
  void poll() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
        texts << box->text();
        box->accept();
        return;
      }
    }
    if (--tries_ > 0) QTimer::singleShot(10, this, [this] { poll(); });
  }
  int tries_ = 0;
};

// Runs `act` on the first modal dialog of type T once it is shown.
template <typename T>
void WhenModalShown(std::function<void(T*)> act, int tries = 200) {
  QTimer::singleShot(10, [act, tries] {
    if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
      act(d);
      return;
    }
    if (tries > 0) WhenModalShown<T>(act, tries - 1);
  });
}

// The operations of a recorded picture drawn with `pen` (any pen when null) and, for
// rectangles, the brush in force.
struct PictureOp {
  DrawOp op;
  Color brush;
};
inline std::vector<PictureOp> OpsOf(const RecordingSurface& s, DrawOp::Kind kind, const Pen* pen = nullptr) {
  std::vector<PictureOp> found;
  Pen current;
  Color brush = kWhite;
  for (const DrawOp& op : s.ops()) {
    if (op.kind == DrawOp::Kind::SetPen) current = op.pen;
    if (op.kind == DrawOp::Kind::SetBrush) brush = op.color;
    if (op.kind == kind && (!pen || current == *pen)) found.push_back({op, brush});
  }
  return found;
}
inline constexpr Pen kOutlinePen{PenStyle::Solid, 2, kBlack};
inline constexpr Color kPlateFill{220, 220, 200};

// Types `text` into an edit and leaves it, as a user would.
inline void TypeInto(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  emit edit->editingFinished();
}

}  // namespace traxen::test
