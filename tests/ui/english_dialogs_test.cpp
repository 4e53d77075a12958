// The dialogs in English: every text a user reads in the joint dialogs, the data dialogs, their
// pictures and their messages, and the same dialogs in Estonian again once English is over.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QtTest>
#include <functional>
#include <memory>

#include "joint_dialog_test_support.h"
#include "model/job.h"
#include "model/steel_grades.h"
#include "sections/library_error.h"
#include "ui/dialogs/chs_kn_dialog.h"
#include "ui/dialogs/chs_tyx_dialog.h"
#include "ui/dialogs/dialog_numbers.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/kn_dialog.h"
#include "ui/dialogs/lengths_dialog.h"
#include "ui/dialogs/joint_dialog_frame.h"
#include "ui/dialogs/library_error_text.h"
#include "ui/dialogs/steel_dialog.h"
#include "ui/dialogs/tyx_dialog.h"
#include "ui/interface_language_support.h"

using namespace traxen;
using namespace traxen::test;

namespace {

// Positions in the shipped list file.
constexpr int kHea = 5;

std::unique_ptr<QDialog> Open(const QString& which, const Job& job = Job{}) {
  const SectionLibrary library(ShippedLibraryDir());
  std::unique_ptr<QDialog> dialog;
  LibraryError failed;
  if (which == "tyx") {
    auto d = std::make_unique<CXYTDlg>(job, library);
    failed = d->initialise();
    dialog = std::move(d);
  } else if (which == "kn") {
    auto d = std::make_unique<CKNytaDLG>(job, library);
    failed = d->initialise();
    dialog = std::move(d);
  } else if (which == "chs_tyx") {
    auto d = std::make_unique<ChsTyxDialog>(job, library);
    failed = d->initialise();
    dialog = std::move(d);
  } else if (which == "chs_kn") {
    auto d = std::make_unique<ChsKnDialog>(job, library);
    failed = d->initialise();
    dialog = std::move(d);
  } else if (which == "steel") {
    dialog = std::make_unique<SteelDialog>(job.steel);
  } else if (which == "lengths") {
    dialog = std::make_unique<LengthsDialog>(job.len);
  } else if (which == "info") {
    dialog = std::make_unique<InfoDialog>(job.info);
  }
  if (!dialog || failed) qFatal("cannot open the %s dialog", qPrintable(which));
  return dialog;
}

QString Plain(const QString& text) {
  return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Every text of the dialog a user reads: its title, labels, buttons, group titles, list
// entries and their tips, tooltips and accessible names. Field contents are the job's.
QStringList ReadableTexts(const QDialog& dialog) {
  QStringList texts{dialog.windowTitle()};
  for (const QWidget* w : dialog.findChildren<QWidget*>()) {
    texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    if (auto* label = qobject_cast<const QLabel*>(w)) texts << Plain(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
    if (auto* combo = qobject_cast<const QComboBox*>(w)) {
      texts << combo->placeholderText();
      for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i) << combo->itemData(i, Qt::ToolTipRole).toString();
    }
  }
  texts.removeAll(QString());
  return texts;
}

// The words the dialog's picture writes.
QStringList PictureTexts(QDialog& dialog, int width = 640, int height = 480) {
  RecordingSurface s;
  Find<JointPreview>(&dialog, "preview")->render(s, width, height);
  QStringList texts;
  for (const auto& t : s.texts()) texts << QString::fromStdString(t.text);
  return texts;
}

QStringList Estonian(const QStringList& texts) {
  QStringList found;
  for (const QString& t : texts)
    if (LooksEstonian(t)) found << t;
  return found;
}

// Mnemonic letters used more than once among the dialog's labels and buttons.
QStringList SharedMnemonics(const QDialog& dialog) {
  QStringList seen, shared;
  QStringList texts;
  for (const QLabel* l : dialog.findChildren<QLabel*>()) texts << l->text();
  for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) texts << b->text();
  // Entities of rich text ("&lt;") and a doubled "&&" are no mnemonics.
  static const QRegularExpression no_mnemonic(QStringLiteral("&&|&(lt|gt|amp|quot|nbsp);"));
  static const QRegularExpression mnemonic(QStringLiteral("&([^\\s])"));
  for (QString t : texts) {
    const QRegularExpressionMatch m = mnemonic.match(t.remove(no_mnemonic));
    if (!m.hasMatch()) continue;
    const QString letter = m.captured(1).toLower();
    (seen.contains(letter) ? shared : seen) << letter;
  }
  return shared;
}

const QStringList kDialogs{"tyx", "kn", "chs_tyx", "chs_kn", "steel", "lengths", "info"};
const QStringList kJointDialogs{"tyx", "kn", "chs_tyx", "chs_kn"};

}  // namespace

class EnglishDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void everyDialogReadsInEnglish_data() {
    QTest::addColumn<QString>("which");
    for (const QString& d : kDialogs) QTest::newRow(qPrintable(d)) << d;
  }
  // Nothing Estonian, no mnemonic twice, and no label or button squeezed below the room its
  // English text needs once the dialog is on screen at its own size; a joint dialog as it
  // confirms an opened file, its longest form. English words are longer: every dialog still
  // fits a main window of 1100 pixels, its frame included.
  void everyDialogReadsInEnglish() {
    QFETCH(QString, which);
    InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    QVERIFY(english.loaded());
    const auto dialog = Open(which);
    if (kJointDialogs.contains(which)) ShowAsConfirmationOf(dialog.get(), QStringLiteral("/tmp/roof truss K7.trx"));
    const QStringList texts = ReadableTexts(*dialog);
    QVERIFY(texts.size() > 10);
    QCOMPARE(Estonian(texts), QStringList());
    QCOMPARE(SharedMnemonics(*dialog), QStringList());
    if (kJointDialogs.contains(which)) QCOMPARE(Estonian(PictureTexts(*dialog)), QStringList());

    QVERIFY(ShowExposed(*dialog));
    for (const QWidget* w : dialog->findChildren<QWidget*>()) {
      if (!w->isVisible() || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w))) continue;
      const auto* label = qobject_cast<const QLabel*>(w);
      const QString text = label ? Plain(label->text()) : qobject_cast<const QAbstractButton*>(w)->text();
      QVERIFY2(w->width() >= w->minimumSizeHint().width(),
               qPrintable(QStringLiteral("\"%1\" is %2 wide, needs %3")
                              .arg(text)
                              .arg(w->width())
                              .arg(w->minimumSizeHint().width())));
    }
    const int frame = 2 * 8;
    QVERIFY2(dialog->minimumSizeHint().width() + frame <= 1100, qPrintable(QString::number(dialog->minimumSizeHint().width())));
  }

  // The chord's ends are its left and its right one in English, never the Estonian v and p, in
  // the labels and in the messages that name a field.
  void theChordsEndsAreLeftAndRight_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("field");
    for (const char* d : {"tyx", "kn", "chs_kn"}) QTest::newRow(d) << d << "N0Edit";
    QTest::newRow("lengths") << "lengths" << "L0_left";
  }
  void theChordsEndsAreLeftAndRight() {
    QFETCH(QString, which);
    QFETCH(QString, field);
    InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    const auto dialog = Open(which);
    const QString texts = ReadableTexts(*dialog).join(QLatin1Char('\n'));
    QVERIFY2(texts.contains(QStringLiteral("0,left")), qPrintable(texts));
    for (const char* estonian : {"0,v", "0.V", "0,p", "0.P"})
      QVERIFY2(!texts.contains(QLatin1String(estonian)), estonian);
    auto* edit = Find<QLineEdit>(dialog.get(), qPrintable(field));
    edit->setText(QStringLiteral("abc"));
    MessageBoxCatcher catcher;
    catcher.arm();
    QMetaObject::invokeMethod(dialog.get(), "accept");
    QCOMPARE(catcher.texts.size(), 1);
    QVERIFY2(catcher.texts[0].contains(QStringLiteral("0,left")), qPrintable(catcher.texts[0]));
  }

  // Fields that cannot be taken are named with their range in English, the range words
  // being those of the job files' English messages.
  void fieldProblemsAreSaidInEnglish_data() {
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("estonian");
    QTest::newRow("no number") << "N<sub>1</sub>" << "kN" << int(ValueRange::kAnyFinite) << "abc"
                               << "Enter a number: N<sub>1</sub> (kN)." << "Sisesta arv: N<sub>1</sub> (kN).";
    QTest::newRow("angle out of range")
        << "θ<sub>1</sub>" << "°" << int(ValueRange::kAngle) << "180" << "θ<sub>1</sub> must be within (0, 180) degrees."
        << "θ<sub>1</sub> peab olema vahemikus (0°, 180°).";
    QTest::newRow("partial factor below one") << "γ<sub>M0</sub>" << "" << int(ValueRange::kPartialFactor) << "0,9"
                                              << "γ<sub>M0</sub> must be &gt;= 1.0."
                                              << "γ<sub>M0</sub> peab olema ≥ 1,0.";
    QTest::newRow("positive only before six decimals")
        << "t" << "mm" << int(ValueRange::kPositive) << "1e-7"
        << "t must be &gt; 0 mm; with six decimals it is 0.000000."
        << "t peab olema &gt; 0 mm; kuue komakohaga on see 0.000000.";
  }
  void fieldProblemsAreSaidInEnglish() {
    QFETCH(QString, symbol);
    QFETCH(QString, unit);
    QFETCH(int, range);
    QFETCH(QString, typed);
    QFETCH(QString, english);
    QFETCH(QString, estonian);
    const FieldSpec spec{symbol, unit, ValueRange(range)};
    {
      InterfaceLanguageScope scope(InterfaceLanguage::kEnglish);
      QCOMPARE(FieldProblem(spec, typed), english);
    }
    QCOMPARE(FieldProblem(spec, typed), estonian);
  }

  // A stored type that is no hollow section, and a section the list does not have: the
  // member, the type and the choices are named in English; the type names are the list's.
  void sectionProblemsAreSaidInEnglish() {
    InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    Job job;
    job.tyx.chord_type_index = kHea;
    const auto dialog = Open("tyx", job);
    auto* joint = static_cast<CXYTDlg*>(dialog.get());
    QCOMPARE(joint->sectionTypeProblems(),
             QStringLiteral("Chord section type HEA is not a rectangular hollow section. "
                            "Choose Cold-formed SHS, Cold-formed RHS or Hot-finished RHS."));
    QCOMPARE(PictureTexts(*dialog), QStringList{QStringLiteral("invalid input")});

    const auto kn = Open("kn");
    QComboBox* number = Find<QComboBox>(kn.get(), "brace2NumberCombo");
    number->setEditText(QStringLiteral("999x999"));
    emit number->lineEdit()->editingFinished();
    QCOMPARE(number->toolTip(),
             QStringLiteral("Brace 2: section “999x999” is not in the list. Choose a section from the list."));
  }

  // The headlines of the section library and the source of the steel grades are the core's
  // Estonian texts; each has its English, so a change of the core's words shows here.
  void theCoresTextsShownInTheDialogsHaveTheirEnglish() {
    InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    for (const char* headline : {kListFileMissing, kListFileMalformed, kTypeFileUnreadable, kTypeFileMalformed}) {
      const QString said = LibraryErrorText({headline, "lib/ruuttoru.prf: line 3"}, QStringLiteral("\n"));
      QVERIFY2(!LooksEstonian(said), qPrintable(said));
      QVERIFY(said.endsWith(QStringLiteral("\nlib/ruuttoru.prf: line 3")));
    }
    const auto steel = Open("steel");
    const QString tip = Find<QComboBox>(steel.get(), "grade0")->toolTip();
    QVERIFY2(tip.contains(QStringLiteral("EN 1993-1-1 Table 3.1")), qPrintable(tip));
  }

  // The steel dialog's warning on f_u below 1.10 f_y and its range refusal, in English.
  void theSteelWarningReadsInEnglish() {
    InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    Job job;
    job.steel.fu0 = 380;
    const auto steel = Open("steel", job);
    auto* warning = Find<QLabel>(steel.get(), "ductilityWarning");
    QVERIFY(warning->isVisibleTo(steel.get()));
    QString plain = Plain(warning->text());
    plain.replace(QChar::LineSeparator, QLatin1Char('\n'));
    QCOMPARE(plain, QStringLiteral("Warning:\nChord: fu = 380 MPa < 1.10 × fy = 390.5 MPa (EN 1993-1-1 3.2.2)"));
    QCOMPARE(Estonian(ReadableTexts(*steel)), QStringList());
    const FieldSpec fy{QStringLiteral("f<sub>y</sub>"), QStringLiteral("MPa"), ValueRange::kStrength};
    QCOMPARE(FieldProblem(fy, QStringLiteral("0.355")), QStringLiteral("f<sub>y</sub> must be within [100, 1000] MPa."));
  }

  // A joint dialog that cannot find its sections says so in English before it gives up.
  void aMissingLibraryIsSaidInEnglish() {
    QTemporaryDir empty;
    qputenv("TRAXEN_LIBRARY", empty.path().toUtf8());
    const auto restore = qScopeGuard([] { qunsetenv("TRAXEN_LIBRARY"); });
    InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
    for (int family : {1, 2}) {
      Job job;
      MessageBoxCatcher catcher;
      catcher.arm();
      QVERIFY(!ExecJointDialog(nullptr, family, job));
      QCOMPARE(catcher.texts.size(), 1);
      const QString said = catcher.texts[0];
      QVERIFY2(said.startsWith(QStringLiteral("profdeftraxen.txt not found!")), qPrintable(said));
    }
  }

  // Once English is over, the same dialogs are built in Estonian as before.
  void afterEnglishTheDialogsAreEstonianAgain() {
    {
      InterfaceLanguageScope english(InterfaceLanguage::kEnglish);
      Open("kn");
    }
    const auto kn = Open("kn");
    QCOMPARE(kn->windowTitle(), QStringLiteral("K ja N SÕLMEDE GEOMEETRIA"));
    QCOMPARE(Find<QPushButton>(kn.get(), "drawButton")->text(), QStringLiteral("JOONISTA"));
    QCOMPARE(Find<QPushButton>(kn.get(), "cancelButton")->text(), QStringLiteral("Loobu"));
    QVERIFY(!Estonian(ReadableTexts(*kn)).isEmpty());
    QVERIFY(!Estonian(PictureTexts(*kn)).isEmpty());
    const auto steel = Open("steel");
    QCOMPARE(steel->windowTitle(), QStringLiteral("TERASE OMADUSED"));
    QCOMPARE(Find<QComboBox>(steel.get(), "grade0")->itemText(0), QStringLiteral("muu"));
  }
};

QTEST_MAIN(EnglishDialogsTest)
#include "english_dialogs_test.moc"
