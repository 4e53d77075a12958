// The desktop program's responsiveness, each against its own baseline.
//
// BM_Startup: a fresh process (this program started again in a child mode, offscreen) until
// the first paint of, respectively, the report view of the four-page example project file
// (`report_ms`) or a bare QMainWindow of the same size holding one label (`bare_ms`). The two
// are started in turn, so that a machine that slows down for a while slows both; the counters
// are medians. Goal: `ratio` (report ÷ bare) at most 1.5.
//
// BM_RepaintAfterLineScroll / BM_FullRepaint: the report view (1000 pixels wide, 900 or 1240
// tall, zoom 1, the same job) repainting after a scroll of one line step (220 pixels: the
// uncovered strip only) against repainting the whole client area, at the same scroll
// positions (the view steps through the whole report, down and back up). Both time the
// repaint alone; Qt's moving of the pixels already drawn, which the scroll does before it
// asks for the strip, is shown apart as `move_ms`. Goal: at most a quarter.
//
// BM_RepaintAfterWheelNotch: one notch of the mouse wheel (three text lines, 60 pixels at
// zoom 1) down the report or back up, then the uncovered strip's repaint, timed; at the same
// position a whole repaint, timed apart. `per_pixel_ratio` is the strip's cost per painted
// pixel over the whole repaint's. Goal: at most 1.25.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <string>
#include <vector>

#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/document.h"
#include "ui/shell/main_window.h"
#include "ui/i18n/qt_texts_et.h"
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
    // As the program starts: Qt's own texts in Estonian.
    EstonianQtTranslator qt_texts;
    QCoreApplication::installTranslator(&qt_texts);
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

// Starts one child and returns the time from its start to its first painted window, as the
// child measures it (so the child's exit is not counted), or -1; `cpu_ms` gets the processor
// time the child used in all (start and exit).
double StartChild(const char* mode, double& cpu_ms) {
  const double cpu_before = ChildrenCpuSeconds();
  const std::string child_mode = std::string("--child=") + mode;
  const std::string launched = "--launched=" + std::to_string(MonotonicMicroseconds());
  // Started directly, not through a shell, with Qt's warnings sent to /dev/null: neither the
  // shell nor the speed of a terminal is part of either program's start-up.
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char* const argv[] = {self_path.data(), const_cast<char*>(child_mode.c_str()), const_cast<char*>(launched.c_str()),
                        nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, self_path.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  long long micros = -1;
  if (FILE* child = fdopen(out[0], "r")) {
    if (spawned != 0 || std::fscanf(child, "%lld", &micros) != 1) micros = -1;
    std::fclose(child);
  } else {
    close(out[0]);
  }
  int status = 0;
  if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) micros = -1;
  cpu_ms = (ChildrenCpuSeconds() - cpu_before) * 1000;
  return micros < 0 ? -1 : double(micros) / 1000;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_Startup(benchmark::State& state) {
  std::vector<double> report, bare, report_cpu, bare_cpu;
  for (auto _ : state) {
    for (int pair = 0; pair < 20; ++pair) {
      double cpu = 0;
      const double r = StartChild("report", cpu);
      report_cpu.push_back(cpu);
      const double b = StartChild("bare", cpu);
      bare_cpu.push_back(cpu);
      if (r < 0 || b < 0) {
        state.SkipWithError("the child process failed");
        return;
      }
      report.push_back(r);
      bare.push_back(b);
    }
  }
  state.counters["report_ms"] = Median(report);
  state.counters["bare_ms"] = Median(bare);
  state.counters["ratio"] = Median(report) / Median(bare);
  state.counters["report_cpu_ms"] = Median(report_cpu);
  state.counters["bare_cpu_ms"] = Median(bare_cpu);
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
  explicit ViewFixture(int client_height) {
    QString error;
    if (!document.open(QString::fromLatin1(kExample), nullptr, &error)) qFatal("%s", qPrintable(error));
    view = new ReportView(&document);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFrameStyle(QFrame::NoFrame);
    view->resize(1000, client_height);
    view->show();
    QApplication::processEvents();
  }
  ~ViewFixture() { delete view; }
};

// One line step down the report, or back up at either end; the view repaints the strip
// before this returns, untimed. Returns the seconds Qt took to move the drawn pixels.
double StepOneLine(QScrollBar* bar, int& step) {
  if (bar->value() + step > bar->maximum() || bar->value() + step < 0) step = -step;
  const auto start = std::chrono::steady_clock::now();
  bar->setValue(bar->value() + step);  // moves the drawn part and asks for the strip
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processes the pending paint and returns the seconds it took.
double TimedRepaint() {
  const auto start = std::chrono::steady_clock::now();
  QApplication::processEvents();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_FullRepaint(benchmark::State& state) {
  ViewFixture f(int(state.range(0)));
  QScrollBar* bar = f.view->verticalScrollBar();
  int step = bar->singleStep();
  for (auto _ : state) {
    state.PauseTiming();
    StepOneLine(bar, step);
    QApplication::processEvents();
    state.ResumeTiming();
    f.view->viewport()->update();  // the same way to the screen as a scroll's strip
    state.SetIterationTime(TimedRepaint());
  }
}

void BM_RepaintAfterLineScroll(benchmark::State& state) {
  ViewFixture f(int(state.range(0)));
  QScrollBar* bar = f.view->verticalScrollBar();
  int step = bar->singleStep();
  PaintedArea area;
  f.view->viewport()->installEventFilter(&area);
  double moving = 0;
  for (auto _ : state) {
    moving += StepOneLine(bar, step);
    state.SetIterationTime(TimedRepaint());  // paints the strip
  }
  state.counters["line_step"] = std::abs(step);
  state.counters["painted_fraction"] = area.pixels / (double(state.iterations()) * 1000 * double(state.range(0)));
  state.counters["move_ms"] = moving * 1000 / double(state.iterations());
}

// One wheel notch down (or up, at the end), delivered as the mouse would.
void TurnWheel(ReportView* view, int& direction) {
  QScrollBar* bar = view->verticalScrollBar();
  if (bar->value() + 60 * direction > bar->maximum() || bar->value() + 60 * direction < 0) direction = -direction;
  const QPointF at(500, 400);
  QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120 * direction), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view->viewport(), &wheel);
}

void BM_RepaintAfterWheelNotch(benchmark::State& state) {
  ViewFixture f(int(state.range(0)));
  QApplication::setWheelScrollLines(3);
  PaintedArea strip, whole;
  double whole_seconds = 0, strip_seconds = 0;
  int direction = 1;
  for (auto _ : state) {
    TurnWheel(f.view, direction);
    f.view->viewport()->installEventFilter(&strip);
    const double seconds = TimedRepaint();  // paints the strip
    strip_seconds += seconds;
    state.SetIterationTime(seconds);
    f.view->viewport()->removeEventFilter(&strip);
    f.view->viewport()->installEventFilter(&whole);
    f.view->viewport()->update();
    whole_seconds += TimedRepaint();
    f.view->viewport()->removeEventFilter(&whole);
  }
  const double strip_per_pixel = strip_seconds / std::max(1.0, strip.pixels);
  const double whole_per_pixel = whole_seconds / std::max(1.0, whole.pixels);
  state.counters["strip_px"] = strip.pixels / double(state.iterations());
  state.counters["whole_ms"] = whole_seconds * 1000 / double(state.iterations());
  state.counters["per_pixel_ratio"] = strip_per_pixel / whole_per_pixel;
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
  benchmark::RegisterBenchmark("BM_Startup", BM_Startup)->Unit(benchmark::kMillisecond)->Iterations(1);
  // Client heights: the 900 pixels of a maximised window on a 1920 × 1080 screen, and the
  // 1240 of one on a 2560 × 1440 screen.
  benchmark::RegisterBenchmark("BM_FullRepaint", BM_FullRepaint)
      ->Arg(900)->Arg(1240)->UseManualTime()->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_RepaintAfterLineScroll", BM_RepaintAfterLineScroll)
      ->Arg(900)->Arg(1240)->UseManualTime()->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_RepaintAfterWheelNotch", BM_RepaintAfterWheelNotch)
      ->Arg(900)->Arg(1240)->UseManualTime()->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
