// Which language the interface starts in, and what follows it: the messages of job files and the
// report's language until the user picks one.
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/shell/app_settings.h"
#include "ui/interface_language_support.h"
#include "ui/ui_test_support.h"

using namespace traxen;

class InterfaceLanguageTest : public QObject {
  Q_OBJECT
  QTemporaryDir settings_;

 private slots:
  void initTestCase() { test::UsePrivateSettings(settings_.path()); }

  void theStartChoosesByTraxenLangThenTheSystem_data() {
    QTest::addColumn<QString>("traxen_lang");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<bool>("english");
    const QStringList estonian{QStringLiteral("et-EE"), QStringLiteral("et")};
    const QStringList american{QStringLiteral("en-US"), QStringLiteral("en")};
    QTest::newRow("Estonian system") << QString() << estonian << false;
    QTest::newRow("American system") << QString() << american << true;
    QTest::newRow("German system") << QString() << QStringList{QStringLiteral("de-DE")} << true;
    QTest::newRow("C locale") << QString() << QStringList{QStringLiteral("C")} << true;
    QTest::newRow("no languages at all") << QString() << QStringList{} << true;
    QTest::newRow("English first, Estonian as fallback")
        << QString() << QStringList{QStringLiteral("en-GB"), QStringLiteral("et-EE")} << true;
    QTest::newRow("TRAXEN_LANG=en on an Estonian system") << QStringLiteral("en") << estonian << true;
    QTest::newRow("TRAXEN_LANG=ET on an American system") << QStringLiteral(" ET ") << american << false;
    QTest::newRow("an unknown TRAXEN_LANG leaves the system's") << QStringLiteral("fi") << estonian << false;
  }
  void theStartChoosesByTraxenLangThenTheSystem() {
    QFETCH(QString, traxen_lang);
    QFETCH(QStringList, system);
    QFETCH(bool, english);
    QCOMPARE(InterfaceLanguageFor(traxen_lang, system) == InterfaceLanguage::kEnglish, english);
  }

  // The report follows the interface until a language is chosen in Vaade; a choice stays
  // whatever the interface, and a stored code no language has counts as no choice.
  void theReportSpeaksTheInterfacesLanguageUntilOneIsChosen() {
    const auto forget = qScopeGuard([] { QSettings().remove(QStringLiteral("ReportLanguage")); });
    QSettings().remove(QStringLiteral("ReportLanguage"));
    QCOMPARE(AppSettings::reportLanguage(), ReportLanguage::kEstonian);
    QCOMPARE(MessageLanguage(), Language::kEstonian);
    {
      test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
      QCOMPARE(AppSettings::reportLanguage(), ReportLanguage::kEnglish);
      QCOMPARE(MessageLanguage(), Language::kEnglish);
      AppSettings::setReportLanguage(ReportLanguage::kEstonian);
      QCOMPARE(AppSettings::reportLanguage(), ReportLanguage::kEstonian);
      QSettings().setValue(QStringLiteral("ReportLanguage"), QStringLiteral("xx"));
      QCOMPARE(AppSettings::reportLanguage(), ReportLanguage::kEnglish);
    }
    QCOMPARE(AppSettings::reportLanguage(), ReportLanguage::kEstonian);
  }

  void theEnglishCataloguesAreInTheProgram() {
    test::InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    QVERIFY(english.loaded());
  }
};

QTEST_MAIN(InterfaceLanguageTest)
#include "interface_language_test.moc"
