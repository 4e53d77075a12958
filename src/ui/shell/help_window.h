// The user's manual in a window of the program (Abi → Kasutusjuhend, F1): the HTML installed
// beside the section library, shown in a text browser so that no web browser is needed.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTextBrowser>

namespace traxen {

inline constexpr const char* kManualFileName = "kasutusjuhend.html";
inline constexpr const char* kEnglishManualFileName = "manual.html";
// Shown through HelpWindow::tr.
inline constexpr const char* kHelpWindowTitle = QT_TRANSLATE_NOOP("traxen::HelpWindow", "TRAXEN kasutusjuhend");

// The installed manual in the interface's language, else the Estonian one: <prefix>/share/traxen
// beside <prefix>/bin (also build/share/traxen for the built programs), else below the XDG
// data directories; empty when none is found.
QString ManualPath();

class HelpWindow : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // The manual's text, or a message naming where it was looked for.
  bool loaded() const { return loaded_; }

 private:
  bool loaded_ = false;
};

}  // namespace traxen
