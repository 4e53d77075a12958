// Qt's own dialogs and menus in Estonian: the real widgets are built with the translator
// installed and their visible texts are read back. The last case checks that every text of
// the table was asked for by Qt under the context it is filed under, since a wrong context
// translates nothing and fails silently.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <memory>

#include "ui/i18n/qt_texts_et.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {

using TextKey = QPair<QByteArray, QByteArray>;

// Remembers every (context, text) Qt asks for, and answers as the program's translator does.
class RecordingTranslator : public EstonianQtTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
    asked_.insert({QByteArray(context), QByteArray(source)});
    return EstonianQtTranslator::translate(context, source, disambiguation, n);
  }
  const QSet<TextKey>& asked() const { return asked_; }

 private:
  mutable QSet<TextKey> asked_;
};

QStringList ActionTexts(const QList<QAction*>& actions) {
  QStringList texts;
  for (QAction* a : actions)
    if (!a->isSeparator()) texts << a->text();
  return texts;
}

// The letter after '&', lower-cased; null when the text has no mnemonic.
QChar Mnemonic(const QString& text) {
  const qsizetype at = text.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

void ExpectDistinctMnemonics(const QStringList& texts) {
  QSet<QChar> seen;
  for (const QString& text : texts) {
    const QChar m = Mnemonic(text);
    if (m.isNull()) continue;
    QVERIFY2(!seen.contains(m), qPrintable(QStringLiteral("mnemonic shared: ") + texts.join(QStringLiteral(", "))));
    seen.insert(m);
  }
}

// Every English original of the table, with and without its mnemonic.
QSet<QString> EnglishOriginals() {
  QSet<QString> english;
  for (const QtTextEt& text : EstonianQtTexts()) {
    const QString source = QString::fromUtf8(text.source);
    if (source == QString::fromUtf8(text.estonian)) continue;  // "OK", "Printer" read the same
    english << source << QString(source).remove(QLatin1Char('&'));
  }
  return english;
}

// The texts a user reads in a dialog: labels, group titles, check and radio boxes, buttons,
// tab titles and tool tips.
QStringList VisibleTexts(QWidget& dialog) {
  QStringList texts;
  for (auto* w : dialog.findChildren<QLabel*>())
    if (w->isVisibleTo(&dialog)) texts << w->text();
  for (auto* w : dialog.findChildren<QGroupBox*>())
    if (w->isVisibleTo(&dialog)) texts << w->title();
  for (auto* w : dialog.findChildren<QAbstractButton*>())
    if (w->isVisibleTo(&dialog)) texts << w->text() << w->toolTip();
  for (auto* w : dialog.findChildren<QTabWidget*>())
    for (int i = 0; i < w->count(); ++i) texts << w->tabText(i);
  for (auto* w : dialog.findChildren<QComboBox*>())
    for (int i = 0; i < w->count(); ++i) texts << w->itemText(i);
  texts << dialog.windowTitle();
  texts.removeAll(QString());
  return texts;
}

// Opens the widget's own context menu as a right click does and reads its entries; the
// menu is modal, so a timer reads and closes it.
QStringList ContextMenuTexts(QWidget& widget) {
  QStringList texts;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    poll.stop();
    texts = ActionTexts(menu->actions());
    menu->close();
  });
  poll.start();
  const QPoint at = widget.rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget.mapToGlobal(at));
  QCoreApplication::sendEvent(&widget, &event);
  for (QString& text : texts) text = text.section(QLatin1Char('\t'), 0, 0);  // the shortcut follows a tab
  return texts;
}

void ExpectNoEnglishLeft(QWidget& dialog) {
  const QSet<QString> english = EnglishOriginals();
  for (const QString& text : VisibleTexts(dialog))
    QVERIFY2(!english.contains(text), qPrintable(QStringLiteral("still English: ") + text));
}

}  // namespace

class QtTextsEtTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&translator_)); }

  void unknownTextsStayEnglish() {
    EstonianQtTranslator translator;
    QVERIFY(translator.translate("QPlatformTheme", "No such text").isNull());
    QVERIFY(translator.translate("NoSuchClass", "&Yes").isNull());  // the context is part of the key
    QVERIFY(translator.translate(nullptr, "&Yes").isNull());
    QCOMPARE(translator.translate("QPlatformTheme", "&Yes"), QStringLiteral("&Jah"));
  }

  void tableHasNoDuplicateKeys() {
    QSet<TextKey> keys;
    for (const QtTextEt& text : EstonianQtTexts()) {
      const TextKey key{text.context, text.source};
      QVERIFY2(!keys.contains(key), text.source);
      keys.insert(key);
    }
  }

  void documentWindowSystemMenu() {
    QMdiArea area;
    QMdiSubWindow* window = area.addSubWindow(new QWidget);
    area.show();
    const QStringList texts = ActionTexts(window->systemMenu()->actions());
    QCOMPARE(texts, (QStringList{QStringLiteral("&Taasta"), QStringLiteral("T&eisalda"), QStringLiteral("S&uurus"),
                                 QStringLiteral("&Minimeeri"), QStringLiteral("M&aksimeeri"),
                                 QStringLiteral("Alati &pealmine"), QStringLiteral("&Sulge")}));
    ExpectDistinctMnemonics(texts);
  }

  void messageBoxButtons() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("TRAXEN"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Save | QMessageBox::Discard);
    box.setDetailedText(QStringLiteral("..."));
    box.show();
    QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Jah"));
    QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Ei"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Loobu"));
    QCOMPARE(box.button(QMessageBox::Save)->text(), QStringLiteral("Salvesta"));
    QCOMPARE(box.button(QMessageBox::Discard)->text(), QStringLiteral("Ära salvesta"));
    ExpectNoEnglishLeft(box);  // the details button included
  }

  void everyStandardButtonOfAButtonBox() {
    // Every flag from Ok (0x400) up to RestoreDefaults (0x8000000) is a button.
    QDialogButtonBox all(QDialogButtonBox::StandardButtons(0x0ffffc00));
    QStringList texts;
    for (QAbstractButton* button : all.buttons()) texts << button->text();
    QCOMPARE(texts.size(), 18);
    const QSet<QString> english = EnglishOriginals();
    for (const QString& text : texts) QVERIFY2(!english.contains(text), qPrintable(text));
    ExpectDistinctMnemonics(texts);

    QDialogButtonBox ok_cancel(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(ok_cancel.button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    QCOMPARE(ok_cancel.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Loobu"));
  }

  void textFieldContextMenus() {
    const QStringList expected{QStringLiteral("&Võta tagasi"), QStringLiteral("&Tee uuesti"), QStringLiteral("&Lõika"),
                               QStringLiteral("&Kopeeri"),     QStringLiteral("Klee&bi"),     QStringLiteral("Kustuta"),
                               QStringLiteral("Vali kõik")};
    QLineEdit line(QStringLiteral("abc"));
    std::unique_ptr<QMenu> line_menu(line.createStandardContextMenu());
    QStringList line_texts = ActionTexts(line_menu->actions());
    for (QString& text : line_texts) text = text.section(QLatin1Char('\t'), 0, 0);  // shortcut shown after a tab
    QCOMPARE(line_texts, expected);
    ExpectDistinctMnemonics(line_texts);

    QTextEdit edit;
    edit.setHtml(QStringLiteral("<a href=\"https://example.org\">link</a>"));
    edit.setTextInteractionFlags(Qt::TextEditorInteraction | Qt::LinksAccessibleByMouse);
    edit.show();
    QTextCursor inside_link = edit.textCursor();
    inside_link.setPosition(2);
    const QPoint on_link = edit.cursorRect(inside_link).center();
    std::unique_ptr<QMenu> edit_menu(edit.createStandardContextMenu(on_link));
    QStringList edit_texts = ActionTexts(edit_menu->actions());
    for (QString& text : edit_texts) text = text.section(QLatin1Char('\t'), 0, 0);
    for (const QString& text : expected) QVERIFY2(edit_texts.contains(text), qPrintable(text));
    QVERIFY(edit_texts.contains(QStringLiteral("Kopeeri lingi &asukoht")));
    ExpectDistinctMnemonics(edit_texts);
  }

  void scrollBarAndSpinBoxMenus() {
    QScrollBar vertical(Qt::Vertical);
    vertical.resize(20, 200);
    vertical.show();
    QCOMPARE(ContextMenuTexts(vertical),
             (QStringList{QStringLiteral("Keri siia"), QStringLiteral("Algusse"), QStringLiteral("Lõppu"),
                          QStringLiteral("Lehekülg üles"), QStringLiteral("Lehekülg alla"), QStringLiteral("Keri üles"),
                          QStringLiteral("Keri alla")}));
    QScrollBar horizontal(Qt::Horizontal);
    horizontal.resize(200, 20);
    horizontal.show();
    QCOMPARE(ContextMenuTexts(horizontal),
             (QStringList{QStringLiteral("Keri siia"), QStringLiteral("Vasak serv"), QStringLiteral("Parem serv"),
                          QStringLiteral("Lehekülg vasakule"), QStringLiteral("Lehekülg paremale"),
                          QStringLiteral("Keri vasakule"), QStringLiteral("Keri paremale")}));

    QSpinBox spin;
    spin.show();
    const QStringList texts = ContextMenuTexts(spin);
    QVERIFY(texts.contains(QStringLiteral("&Suurenda")));
    QVERIFY(texts.contains(QStringLiteral("Vä&henda")));
    QVERIFY(texts.contains(QStringLiteral("&Kopeeri")));
    ExpectDistinctMnemonics(texts);
  }

  void printDialog() {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Printimine"));
    // The options are folded away at first; the button shows them.
    auto buttons = dialog.findChildren<QPushButton*>();
    auto options = std::find_if(buttons.begin(), buttons.end(),
                                [](QPushButton* b) { return b->text() == QStringLiteral("&Valikud >>"); });
    QVERIFY(options != buttons.end());
    (*options)->click();
    QCOMPARE((*options)->text(), QStringLiteral("&Valikud <<"));
    const QStringList texts = VisibleTexts(dialog);
    for (const char* expected : {"Printer", "&Nimi:", "Väljund&fail:", "Lehekülgede vahemik", "Kõik lehed", "Koopiad:",
                                 "Komplekteeri", "Prindi faili (PDF)", "&Prindi", "Loobu"})
      QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    ExpectNoEnglishLeft(dialog);
  }

  void printDialogAsksBeforeOverwritingAFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("aruanne.pdf"));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPrintDialog dialog(&printer);
    dialog.show();
    QPushButton* print = nullptr;
    for (auto* button : dialog.findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("&Prindi")) print = button;
    QVERIFY(print);
    test::MessageBoxAnswer answer;  // presses the escape button: the file stays and the dialog stays open
    print->click();
    QVERIFY(answer.answered());
    QCOMPARE(answer.text(), QStringLiteral("%1 on juba olemas.\nKas kirjutada üle?").arg(path));
  }

  void printerPropertiesDialog() {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.show();
    auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties"));
    QVERIFY(properties);
    QVERIFY(properties->isEnabled());
    QString title;
    QStringList texts;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
      auto* opened = QApplication::activeModalWidget();
      if (!opened || opened == &dialog) return;
      poll.stop();
      title = opened->windowTitle();
      texts = VisibleTexts(*opened);
      ExpectNoEnglishLeft(*opened);
      opened->close();
    });
    poll.start();
    properties->click();  // modal until the timer closes it
    QCOMPARE(title, QStringLiteral("Printeri omadused"));
    for (const char* expected : {"Lehekülg", "Töö valikud", "Paberi suurus:", "Loobu"})
      QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
  }

  void pageSetupDialog() {
    QPrinter printer;
    QTest::ignoreMessage(QtWarningMsg, "QPageSetupDialog: Cannot be used on non-native printers");
    printer.setOutputFormat(QPrinter::PdfFormat);
    QPageSetupDialog dialog(&printer);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Lehekülje sätted"));
    const QStringList texts = VisibleTexts(dialog);
    for (const char* expected : {"Paber", "Paberi suurus:", "Paigutus", "Püstpaigutus", "Rõhtpaigutus", "Veerised", "Loobu"})
      QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    ExpectNoEnglishLeft(dialog);
  }

  void printPreviewToolbar() {
    QPrinter printer;
    QPrintPreviewDialog dialog(&printer);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Prindi eelvaade"));
    auto* toolbar = dialog.findChild<QToolBar*>();
    QVERIFY(toolbar);
    const QStringList texts = ActionTexts(toolbar->actions());
    for (const char* expected : {"Järgmine lehekülg", "Eelmine lehekülg", "Esimene lehekülg", "Viimane lehekülg",
                                 "Sobita laiusele", "Sobita lehele", "Suurenda", "Vähenda", "Püstpaigutus",
                                 "Rõhtpaigutus", "Üks lehekülg", "Kaks lehekülge", "Kõik leheküljed", "Prindi",
                                 "Lehekülje sätted"})
      QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    const QSet<QString> english = EnglishOriginals();
    for (QAction* action : toolbar->actions()) {
      QVERIFY2(!english.contains(action->text()), qPrintable(action->text()));
      QVERIFY2(!english.contains(action->toolTip()), qPrintable(action->toolTip()));
    }
  }

  void fileDialog() {
    QTemporaryDir folder;
    QFileDialog dialog(nullptr, QString(), folder.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Salvesta nagu"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    QVERIFY(model);
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
      headers << model->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{QStringLiteral("Nimi"), QStringLiteral("Suurus"), QStringLiteral("Tüüp"),
                                   QStringLiteral("Muudetud")}));
    QStringList tips;
    for (auto* button : dialog.findChildren<QToolButton*>()) tips << button->toolTip();
    for (const char* expected : {"Tagasi", "Edasi", "Ülemkaust", "Loo uus kaust", "Loendivaade", "Üksikasjalik vaade"})
      QVERIFY2(tips.contains(QString::fromUtf8(expected)), expected);
    ExpectNoEnglishLeft(dialog);

    // The view's context menu lists its actions under their Estonian names.
    QStringList context_menu;
    for (QAction* action : dialog.findChildren<QAction*>()) context_menu << action->text();
    for (const char* expected : {"&Nimeta ümber", "&Kustuta", "Näita &peidetud faile", "&Uus kaust"})
      QVERIFY2(context_menu.contains(QString::fromUtf8(expected)), expected);
  }

  void fileDialogAsksBeforeReplacingAFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sõlm.trx"));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    QFileDialog dialog(nullptr, QStringLiteral("Salvesta nagu"), folder.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    dialog.selectFile(path);
    test::MessageBoxAnswer answer;  // presses the escape button: nothing is replaced
    static_cast<QDialog&>(dialog).accept();
    QVERIFY(answer.answered());
    QCOMPARE(answer.text(), QStringLiteral("sõlm.trx on juba olemas.\nKas asendada see?"));
  }

  // Runs last: the cases above have made Qt ask for its texts.
  void everyTextIsAskedForUnderItsContext() {
    // Texts Qt asks for only where the cases above cannot go: the buttons of the GNOME theme
    // (not loaded offscreen), the title-bar tool tips of a document window, the print
    // dialog's file errors and browse dialog, and the file dialog's other modes and errors.
    const QSet<TextKey> rarely_asked{
        {"QGnomeTheme", "&OK"},
        {"QGnomeTheme", "&Save"},
        {"QGnomeTheme", "&Cancel"},
        {"QGnomeTheme", "&Close"},
        {"QGnomeTheme", "Close without Saving"},
        {"QMdiSubWindow", "Minimize"},
        {"QMdiSubWindow", "Maximize"},
        {"QMdiSubWindow", "Restore Down"},
        {"QMdiSubWindow", "Restore"},
        {"QMdiSubWindow", "Close"},
        {"QMdiSubWindow", "Help"},
        {"QMdiSubWindow", "Menu"},
        {"QMdiSubWindow", "Shade"},
        {"QMdiSubWindow", "Unshade"},
        {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name."},
        {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name."},
        {"QPrintDialog", "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those options off."},
        {"QPrintDialog", "Print To File ..."},
        {"QFileDialog", "Directory:"},
        {"QFileDialog", "&Open"},
        {"QFileDialog", "&Choose"},
        {"QFileDialog", "Open"},
        {"QFileDialog", "Find Directory"},
        {"QFileDialog", "Directories"},
        {"QFileDialog", "New Folder"},
        {"QFileDialog", "Recent Places"},
        {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given."},
        {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given."},
        {"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?"},
        {"QFileDialog", "Are you sure you want to delete '%1'?"},
        {"QFileDialog", "Could not delete directory."},
    };
    QStringList never_asked;
    for (const QtTextEt& text : EstonianQtTexts()) {
      const TextKey key{text.context, text.source};
      if (!translator_.asked().contains(key) && !rarely_asked.contains(key))
        never_asked << QStringLiteral("%1 / %2").arg(QLatin1String(text.context), QString::fromUtf8(text.source));
    }
    QVERIFY2(never_asked.isEmpty(), qPrintable(never_asked.join(QStringLiteral("\n"))));
  }

 private:
  RecordingTranslator translator_;
};

QTEST_MAIN(QtTextsEtTest)
#include "qt_texts_et_test.moc"
