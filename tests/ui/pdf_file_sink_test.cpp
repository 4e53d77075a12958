// The sink that a reproducible PDF goes through as it is written: it fixes the dates and the
// document id where the file names them, and nothing else, however the bytes arrive.
#include <fcntl.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QTemporaryFile>
#include <QtTest>

#include "ui/qt/pdf_file_sink.h"

using namespace traxen;

namespace {

constexpr std::time_t kCreated = 1772360400;  // 2026-03-01 10:20:00 UTC

// A file shaped as Qt writes one: an information dictionary with its date, a bookmark whose
// title is 32 hex digits in angle brackets (the UTF-16 of a 7-character title, "Summary"),
// XMP metadata, `filler` bytes of stream, and a trailer with the id pair.
QByteArray SamplePdf(qsizetype filler) {
  QByteArray pdf = "%PDF-1.4\n1 0 obj\n<<\n/CreationDate (D:20991231235959Z)\n>>\nendobj\n";
  pdf += "2 0 obj\n<<\n/Title <FEFF00530075006D006D006100720079>\n>>\nendobj\n";
  pdf += "3 0 obj\n<xmp:CreateDate>2099-12-31T23:59:59+00:00</xmp:CreateDate>\n"
         "<xmpMM:DocumentID>uuid:0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0</xmpMM:DocumentID>\nendobj\n";
  pdf += "4 0 obj\nstream\n" + QByteArray(filler, 'x') + "\nendstream\nendobj\n";
  pdf += "trailer\n<<\n/ID [<00112233445566778899aabbccddeeff> <ffeeddccbbaa99887766554433221100>]\n>>\n%%EOF\n";
  return pdf;
}

// What the sink must make of SamplePdf: the dates fixed, the ids a hash of everything else.
QByteArray Expected(QByteArray pdf, const QByteArray& appended) {
  pdf.replace("(D:20991231235959", "(D:20260301102000");
  pdf.replace("<xmp:CreateDate>2099-12-31T23:59:59", "<xmp:CreateDate>2026-03-01T10:20:00");
  QByteArray blanked = pdf + appended;
  for (const char* id : {"00112233445566778899aabbccddeeff", "ffeeddccbbaa99887766554433221100",
                         "0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"})
    blanked.replace(id, "");
  const QByteArray hash = QCryptographicHash::hash(blanked, QCryptographicHash::Md5).toHex();
  const QByteArray dashed = hash.mid(0, 8) + '-' + hash.mid(8, 4) + '-' + hash.mid(12, 4) + '-' + hash.mid(16, 4) +
                            '-' + hash.mid(20, 12);
  pdf.replace("00112233445566778899aabbccddeeff", hash);
  pdf.replace("ffeeddccbbaa99887766554433221100", hash);
  pdf.replace("0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0", dashed);
  return pdf + appended;
}

// Sends `pdf` through a sink into a file, `piece` bytes a write, then `appended` after it.
QByteArray ThroughSink(const QByteArray& pdf, qsizetype piece, bool reproducible, const QByteArray& appended = {}) {
  QTemporaryFile file;
  if (!file.open()) return {};
  const int fd = file.handle();
  {
    PdfFileSink sink(fd, reproducible, kCreated);
    for (qsizetype at = 0; at < pdf.size(); at += piece) sink.write(pdf.mid(at, piece));
    if (!sink.Flush().empty()) return {};
    if (::write(fd, appended.constData(), size_t(appended.size())) != appended.size()) return {};
    sink.Appended(std::string_view(appended.constData(), size_t(appended.size())));
    if (!sink.WriteId().empty()) return {};
  }
  file.seek(0);
  return file.readAll();
}

}  // namespace

class PdfFileSinkTest : public QObject {
  Q_OBJECT
 private slots:
  // The fix-up does not depend on where the writes split the file, also not across the
  // sink's own chunks (a filler larger than one of them puts the trailer in the next).
  void fixesDatesAndIdOnlyWhereTheFileNamesThem_data() {
    QTest::addColumn<qsizetype>("filler");
    QTest::addColumn<qsizetype>("piece");
    for (qsizetype filler : {qsizetype(10), qsizetype(256 * 1024 - 150), qsizetype(600 * 1024)})
      for (qsizetype piece : {qsizetype(1), qsizetype(7), qsizetype(4096), qsizetype(1) << 30})
        QTest::addRow("filler %lld, %lld bytes a write", qlonglong(filler), qlonglong(piece)) << filler << piece;
  }
  void fixesDatesAndIdOnlyWhereTheFileNamesThem() {
    QFETCH(qsizetype, filler);
    QFETCH(qsizetype, piece);
    const QByteArray pdf = SamplePdf(filler);
    const QByteArray appended = "2 0 obj\n<< /Outlines 5 0 R >>\nendobj\n%%EOF\n";
    const QByteArray written = ThroughSink(pdf, piece, true, appended);
    QCOMPARE(written.size(), pdf.size() + appended.size());
    QVERIFY(written == Expected(pdf, appended));
    QVERIFY(written.contains("/Title <FEFF00530075006D006D006100720079>"));
  }

  void aPlainPdfPassesUnchanged() {
    const QByteArray pdf = SamplePdf(300 * 1024);
    QVERIFY(ThroughSink(pdf, 1000, false) == pdf);
  }

  // Without an id the file needs no second look; the same bytes give the same file.
  void aPdfWithoutAnIdOnlyGetsItsDates() {
    QByteArray pdf = SamplePdf(100);
    pdf.replace("/ID [<00112233445566778899aabbccddeeff> <ffeeddccbbaa99887766554433221100>]", "");
    pdf.replace("uuid:0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0", "");
    QByteArray expected = pdf;
    expected.replace("(D:20991231235959", "(D:20260301102000");
    expected.replace("2099-12-31T23:59:59", "2026-03-01T10:20:00");
    QVERIFY(ThroughSink(pdf, 5, true) == expected);
  }

  // A failed write is told, with the system's reason, not lost in the buffer.
  void aFailedWriteIsTold() {
    QTemporaryFile file;
    QVERIFY(file.open());
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    PdfFileSink sink(fd, true, kCreated);
    sink.write(SamplePdf(1000));
    QVERIFY(!sink.Flush().empty());
    ::close(fd);
  }
};

QTEST_MAIN(PdfFileSinkTest)
#include "pdf_file_sink_test.moc"
