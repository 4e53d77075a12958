// Estonian for the texts that Qt draws itself: the print, page set-up and print preview
// dialogs, the document windows' system menu, standard buttons, the text fields' context
// menu and the file dialog. Debian ships no Estonian Qt catalogue, so these texts live in a
// table compiled into the program; the program's own texts are Estonian in the source.
#pragma once

#include <QTranslator>
#include <span>

namespace traxen {

// One text of Qt's: the class Qt translates it in, its English original (mnemonic
// ampersands included) and the Estonian shown instead.
struct QtTextEt {
  const char* context;
  const char* source;
  const char* estonian;
};

// The whole table, for the tests that check every text is reached.
std::span<const QtTextEt> EstonianQtTexts();

// Answers Qt's own translate() calls from the table; anything it does not know stays English.
class EstonianQtTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* context, const char* source_text, const char* disambiguation = nullptr,
                    int n = -1) const override;
  // The table is never empty; installTranslator() reports an empty translator as not installed.
  bool isEmpty() const override { return false; }
};

}  // namespace traxen
