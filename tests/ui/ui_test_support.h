// Helpers for the desktop tests: answering the modal message boxes a command opens, a
// private settings folder, and the fixtures of the repository.
#pragma once

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace traxen::test {

// Presses the button of `box` named `button` (an object name; "" or a name it lacks: its escape
// button, else it is rejected).
inline void Press(QMessageBox* box, const QString& button) {
  QAbstractButton* named = button.isEmpty() ? nullptr : box->findChild<QAbstractButton*>(button);
  if (named) named->click();
  else if (box->escapeButton()) box->escapeButton()->click();
  else box->reject();
}

// Waits for the next modal message box, remembers its text, and presses the button named
// `button` (an object name; "" presses the escape or default button).
class MessageBoxAnswer {
 public:
  explicit MessageBoxAnswer(QString button = {}) : button_(std::move(button)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }
  QString text() const { return text_; }
  QString objectName() const { return object_name_; }
  bool answered() const { return answered_; }

 private:
  void poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer_.stop();
    text_ = box->text();
    object_name_ = box->objectName();
    answered_ = true;
    Press(box, button_);
  }

  QString button_;
  QTimer timer_;
  QString text_, object_name_;
  bool answered_ = false;
};

// Answers the modal message boxes that come one after another: the n-th with the button named
// answers[n] (an object name), any further one with its escape button. Remembers each text.
class MessageBoxAnswers {
 public:
  explicit MessageBoxAnswers(QStringList answers) : answers_(std::move(answers)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }
  const QStringList& texts() const { return texts_; }

 private:
  void poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == last_) return;
    last_ = box;
    texts_ << box->text();
    Press(box, answers_.value(texts_.size() - 1));
  }

  QStringList answers_;
  QStringList texts_;
  QPointer<QMessageBox> last_;
  QTimer timer_;
};

inline QString SourceDir() { return QStringLiteral(TRAXEN_TEST_DIR "/.."); }
inline QString ExampleFile(const char* name) { return SourceDir() + QStringLiteral("/examples/") + QLatin1String(name); }

// Settings go to a temporary folder, never to the user's own.
inline void UsePrivateSettings(const QString& folder) {
  qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit());
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("TRAXEN-test"));
}

}  // namespace traxen::test
