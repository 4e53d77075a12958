// traxen: the desktop program. Options are read before any window exists, so --help and
// --version work without a display; a file named on the command line opens in the first
// document window.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ui/shell/main_window.h"
#include "ui/i18n/interface_translators.h"
#include "ui/shell/report_view.h"
#include "version.h"

namespace {

void SetIdentity() {
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("TRAXEN"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TRAXEN_VERSION));
}

void DescribeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Checks welded planar truss joints of hollow sections and shows the calculation report.\n"
                     "The program needs a display; traxen-cli renders and checks jobs without one."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A project file (*.trx) or a JSON job to open."),
                               QStringLiteral("[file]"));
}

bool AsksForInformationOnly(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
      if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForInformationOnly(argc, argv)) {
    QCoreApplication app(argc, argv);
    SetIdentity();
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (parser.parse(QCoreApplication::arguments()) && parser.isSet(QStringLiteral("version"))) {
      std::printf("traxen %s\nLicence: %s\n", TRAXEN_VERSION, TRAXEN_LICENSE);
      return 0;
    }
    parser.process(app);  // prints the help (or the option error) and exits
    return 0;
  }

  QApplication app(argc, argv);
  // Estonian on an Estonian system (Qt's own dialogs, menus and buttons included), English on
  // any other; TRAXEN_LANG=et|en chooses for a start.
  const traxen::InterfaceLanguage language = traxen::InterfaceLanguageFromEnvironment();
  traxen::SetInterfaceLanguage(language);
  if (!traxen::InstallInterfaceTranslators(language))
    std::fprintf(stderr, "traxen: the English texts of the interface could not be loaded; it stays in Estonian.\n");
  SetIdentity();
  QCommandLineParser parser;
  DescribeOptions(parser);
  parser.process(app);  // an unknown option is reported and ends the program
  const QStringList files = parser.positionalArguments();

  traxen::MainWindow window;
  window.show();
  if (files.isEmpty()) {
    window.newDocumentWindow();
  } else {
    // A file that cannot be read is reported, and the window keeps a new job.
    QTimer::singleShot(0, &window, [&window, path = files.first()] { window.openInNewWindow(path, true); });
  }
  return app.exec();
}
