// The desktop program's responsiveness, each against its own baseline.
//
// BM_StartupToFirstReport / BM_StartupBareWindow: a fresh process (this program started
// again in a child mode, offscreen) until the first paint of, respectively, the report view
// of the four-page example project file or a bare QMainWindow of the same size holding one
// label. Goal: the first at most 1.5 times the second.
//
// BM_RepaintAfterLineScroll / BM_FullRepaint: the report view (1000 × 900 client pixels,
// zoom 1, the same job) repainting after a scroll of one line step (220 pixels: the
// uncovered strip only) against repainting the whole client area. Goal: at most a quarter.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <string>

#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/document.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_view.h"

namespace {

using namespace traxen;

const char* const kExample = TRAXEN_SOURCE_DIR "/examples/kn_windows.trx";
std::string self_path;

std::int64_t MonotonicMicroseconds() {
  // CLOCK_MONOTONIC is one clock for every process of the machine.
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Right after the first paint of the watched widget has been handled: prints the time since
// the parent started the process and quits.
class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(std::int64_t launched) : launched_(launched) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, qApp, [this] {
        std::printf("%lld\n", static_cast<long long>(MonotonicMicroseconds() - launched_));
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  std::int64_t launched_;
  bool seen_ = false;
};

int RunChild(int argc, char** argv, bool report, std::int64_t launched) {
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("TRAXEN"));
  QuitAfterFirstPaint quit(launched);
  if (report) {
    MainWindow window;
    window.show();
    window.openInNewWindow(QString::fromLatin1(kExample), true);
    window.activeView()->viewport()->installEventFilter(&quit);
    return app.exec();
  }
  QMainWindow window;
  auto* label = new QLabel(QStringLiteral("TRAXEN"));
  window.setCentralWidget(label);
  label->installEventFilter(&quit);
  window.resize(1100, 900);  // the main window's own size: the same pixels to fill
  window.show();
  return app.exec();
}

double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The time from starting the process to its first painted window, as the child measures it
// (so the child's exit is not counted), and the processor time the child used in all
// (`cpu_ms`, start and exit), which a busy machine disturbs less than the wall time.
void Startup(benchmark::State& state, const char* mode) {
  const double cpu_before = ChildrenCpuSeconds();
  for (auto _ : state) {
    const std::string command =
        "\"" + self_path + "\" --child=" + mode + " --launched=" + std::to_string(MonotonicMicroseconds());
    FILE* child = popen(command.c_str(), "r");
    long long micros = -1;
    if (!child || std::fscanf(child, "%lld", &micros) != 1 || pclose(child) != 0 || micros < 0) {
      state.SkipWithError("the child process failed");
      return;
    }
    state.SetIterationTime(double(micros) / 1e6);
  }
  state.counters["cpu_ms"] = (ChildrenCpuSeconds() - cpu_before) * 1000 / double(state.iterations());
}

// Adds up the area the view was asked to paint, to show how much a scroll repaints.
class PaintedArea : public QObject {
 public:
  double pixels = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) pixels += double(r.width()) * r.height();
    return false;
  }
};

struct ViewFixture {
  Document document;
  ReportView* view = nullptr;
  ViewFixture() {
    QString error;
    if (!document.open(QString::fromLatin1(kExample), nullptr, &error)) qFatal("%s", qPrintable(error));
    view = new ReportView(&document);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFrameStyle(QFrame::NoFrame);
    view->resize(1000, 900);
    view->show();
    QApplication::processEvents();
  }
  ~ViewFixture() { delete view; }
};

void BM_FullRepaint(benchmark::State& state) {
  ViewFixture f;
  for (auto _ : state) {
    f.view->viewport()->update();  // the same way to the screen as a scroll's strip
    QApplication::processEvents();
  }
}

// The replay sends the painter only the drawing that touches the strip; the rest of the cost
// is the moving of what is already drawn. `painted_fraction` shows the strip's share.

void BM_RepaintAfterLineScroll(benchmark::State& state) {
  ViewFixture f;
  QScrollBar* bar = f.view->verticalScrollBar();
  int step = bar->singleStep();
  PaintedArea area;
  f.view->viewport()->installEventFilter(&area);
  for (auto _ : state) {
    if (bar->value() + step > bar->maximum() || bar->value() + step < 0) step = -step;
    bar->setValue(bar->value() + step);  // moves the drawn part and asks for the strip
    QApplication::processEvents();       // paints the strip
  }
  state.counters["line_step"] = std::abs(step);
  state.counters["painted_fraction"] = area.pixels / (double(state.iterations()) * 1000 * 900);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("TRAXEN_LIBRARY")) qputenv("TRAXEN_LIBRARY", TRAXEN_SOURCE_DIR "/data/Profiilid");
  // An opened file is confirmed without its joint dialog, which would wait for a click.
  SetJointDialogsInteractive(false);
  std::int64_t launched = 0;
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--launched=", 11) == 0) launched = std::atoll(argv[i] + 11);
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--child=report") == 0) return RunChild(argc, argv, true, launched);
    if (std::strcmp(argv[i], "--child=bare") == 0) return RunChild(argc, argv, false, launched);
  }
  self_path = argv[0];
  // The children keep their settings (the recent files) in a folder of their own.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  QApplication app(argc, argv);
  benchmark::RegisterBenchmark("BM_StartupToFirstReport", Startup, "report")
      ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
  benchmark::RegisterBenchmark("BM_StartupBareWindow", Startup, "bare")
      ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
  benchmark::RegisterBenchmark("BM_FullRepaint", BM_FullRepaint)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_RepaintAfterLineScroll", BM_RepaintAfterLineScroll)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
