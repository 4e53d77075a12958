// The library's headlines are written in Estonian in the core; the interface translates them
// by their text, so the same words must stand here as in sections/library_error.h.
#include "ui/dialogs/library_error_text.h"

#include <QCoreApplication>

namespace traxen {

namespace {
// Read by the translation tools only; the lookup below goes by the text the core hands over.
[[maybe_unused]] const char* const kHeadlines[] = {
    QT_TRANSLATE_NOOP("traxen::LibraryError", "profdeftraxen.txt ei leidnud!"),
    QT_TRANSLATE_NOOP("traxen::LibraryError", "profdeftraxen.txt on vigane!"),
    QT_TRANSLATE_NOOP("traxen::LibraryError", "Ei saa avadaa faili .prf"),
    QT_TRANSLATE_NOOP("traxen::LibraryError", "Profiilifail on vigane!"),
};
}  // namespace

QString LibraryErrorText(const LibraryError& error, const QString& separator) {
  QString text = QCoreApplication::translate("traxen::LibraryError", error.message.c_str());
  if (!error.detail.empty()) text += separator + QString::fromStdString(error.detail);
  return text;
}

}  // namespace traxen
