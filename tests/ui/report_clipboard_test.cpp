// Copying from the report: Kopeeri puts the visible page on the clipboard as an image and a
// one-page PDF; the schematic's own copy holds the drawing alone; Lõika and Kleebi stay off.
#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/document.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_clipboard.h"
#include "ui/shell/report_view.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {
int PdfPages(const QByteArray& pdf) { return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type/Page\n")); }

// Pixels darker than the page's white: something is drawn.
int DarkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2)
      if (qGray(image.pixel(x, y)) < 160) ++dark;
  return dark;
}
}  // namespace

class ReportClipboardTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
    SetJointDialogsInteractive(false);
  }

  void copyPutsTheVisiblePageAsImageAndPdf() {
    MainWindow w;
    w.resize(1000, 800);
    w.show();
    QAction* copy = w.findChild<QAction*>("editCopy");
    QVERIFY(!copy->isEnabled());
    QVERIFY(w.openInNewWindow(test::ExampleFile("kn_windows.trx"), false));
    QVERIFY(copy->isEnabled());
    QCOMPARE(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    for (const char* name : {"editCut", "editPaste"}) QVERIFY(!w.findChild<QAction*>(name)->isEnabled());

    ReportView* view = w.activeView();
    view->zoomAbout(1.0);
    view->verticalScrollBar()->setValue(2 * 1229);  // page 3 fills the view
    QCOMPARE(view->visiblePage(), 2);
    QGuiApplication::clipboard()->clear();
    copy->trigger();

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.size(), QSize(2 * 900, 2 * 1229));
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), ReportPageImage(view->report(), 2, 2.0));
    QVERIFY(DarkPixels(image) > 1000);
    QVERIFY(data->hasFormat(QString::fromLatin1(kPdfMimeType)));
    const QByteArray pdf = data->data(QString::fromLatin1(kPdfMimeType));
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(PdfPages(pdf), 1);
    // The copied page is the third: its footer's page number is drawn, the first page's is not.
    QVERIFY(ReportPageImage(view->report(), 2, 1.0) != ReportPageImage(view->report(), 0, 1.0));
  }

  void theSchematicIsCopiedAlone_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("K/N") << "kn_windows.trx";
    QTest::newRow("T/Y/X") << "tyx_windows.trx";
  }
  void theSchematicIsCopiedAlone() {
    QFETCH(QString, file);
    Document doc;
    QString error;
    QVERIFY2(doc.open(test::ExampleFile(qPrintable(file)), nullptr, &error), qPrintable(error));
    ReportView view(&doc);
    const std::optional<ReportRect> bounds = view.schematicBounds();
    QVERIFY(bounds);
    // On page 1, inside the frame, below the header and well short of the whole page.
    QVERIFY(bounds->left >= 76 && bounds->right <= 854);
    QVERIFY2(bounds->top >= 100 && bounds->bottom < 1100, qPrintable(QStringLiteral("%1..%2").arg(bounds->top).arg(bounds->bottom)));
    QVERIFY(bounds->bottom - bounds->top < 700);
    QGuiApplication::clipboard()->clear();
    QVERIFY(view.copySchematic());
    const QImage image = QGuiApplication::clipboard()->image();
    QCOMPARE(image.size(), QSize(2 * (bounds->right - bounds->left), 2 * (bounds->bottom - bounds->top)));
    QVERIFY(DarkPixels(image) > 100);
  }

  void aReportWithoutASchematicHasNoneToCopy() {
    Document doc;  // a new job: the page frame alone
    ReportView view(&doc);
    QVERIFY(!view.schematicBounds());
    QVERIFY(!view.copySchematic());
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(ReportClipboardTest)
#include "report_clipboard_test.moc"
