// Helpers for the tests of the English interface: switching the interface's language as a start
// would, and telling an Estonian text left untranslated from an English one.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "ui/i18n/interface_language.h"
#include "ui/i18n/interface_translators.h"

namespace traxen::test {

// Installs the language's translators and makes it the current one until destroyed; then the
// interface is Estonian again, as every other test expects.
class InterfaceLanguageScope {
 public:
  explicit InterfaceLanguageScope(InterfaceLanguage language) {
    SetInterfaceLanguage(language);
    loaded_ = InstallInterfaceTranslators(language);
  }
  ~InterfaceLanguageScope() {
    RemoveInterfaceTranslators();
    SetInterfaceLanguage(InterfaceLanguage::kEstonian);
  }
  InterfaceLanguageScope(const InterfaceLanguageScope&) = delete;
  InterfaceLanguageScope& operator=(const InterfaceLanguageScope&) = delete;
  bool loaded() const { return loaded_; }

 private:
  bool loaded_ = false;
};

// True when the text reads as Estonian: a letter English never has, or a word of the program's
// Estonian that English never uses. Mnemonic ampersands are ignored; symbols (f_y, N_1,Ed),
// numbers and file patterns pass.
inline bool LooksEstonian(QString text) {
  text.remove(QLatin1Char('&'));
  static const QRegularExpression letters(QStringLiteral("[õäöüšžÕÄÖÜŠŽ]"));
  if (letters.match(text).hasMatch()) return true;
  static const QRegularExpression words(
      QStringLiteral("\\b(ja|ei|on|ning|või|kui|Loobu|Ava|Salvesta|Uus|Sulge|Fail|Muuda|Vaade|Aken|Abi|Prindi|"
                     "Ekspordi|Valmis|Korras|rahulda|Joonista|Materjal|Terase?|teras|tugevdatud|Nimetu|Vali|"
                     "Arvuta|Tulemus|Klient|Koostas|Omanik|Kaust|Tabel|tabel|Imporditud|Avatud|Salvestatud|"
                     "kirjutatud|Lehek|Leht|Ava|Ristl|Vahe|Kattuv|Tugevdus|Plaat|plaat|Keevis|Nurk|nurk|"
                     "Jõud|Mõõt|Sisesta|sisesta|peab|olema|vahemikus|Vigane|viga|Viga|faili|Faili|failist|"
                     "kasutaja|Kasutaja|Programm|programmi|Ülesande|info|Aruande|keel|Eesti|Tööriista|riba|"
                     "kujundus|Akende|akende|dokkimine|Sõlme|sõlme|sõlmed|Ümartoru|Ristk|toru|Toru)\\b"));
  return words.match(text).hasMatch();
}

}  // namespace traxen::test
