#include "ui/i18n/interface_translators.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <memory>
#include <vector>

#include "ui/i18n/qt_texts_et.h"

namespace traxen {

namespace {

// Owned here: a translator must live as long as it is installed.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

void Install(std::unique_ptr<QTranslator> translator) {
  QCoreApplication::installTranslator(translator.get());
  Installed().push_back(std::move(translator));
}

}  // namespace

bool InstallInterfaceTranslators(InterfaceLanguage language) {
  RemoveInterfaceTranslators();
  if (language == InterfaceLanguage::kEstonian) {
    Install(std::make_unique<EstonianQtTranslator>());
    return true;
  }
  // One catalogue per part of the program (i18n/traxen_<part>_en.ts), compiled into the
  // program's resources so an installed program can never miss its translation.
  const QStringList catalogues = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("traxen_*_en.qm")}, QDir::Files);
  bool all = !catalogues.isEmpty();
  for (const QString& name : catalogues) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(name, QStringLiteral(":/i18n"))) Install(std::move(translator));
    else all = false;
  }
  return all;
}

void RemoveInterfaceTranslators() {
  for (const auto& translator : Installed()) QCoreApplication::removeTranslator(translator.get());
  Installed().clear();
}

}  // namespace traxen
