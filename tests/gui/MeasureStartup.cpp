// Measures the start of the program: the time from the start of main() to
// the main window painted on screen, through the same steps as the program
// (data folder seeded, settings, welcome text, gallery, pictures, model
// database, library views):
//   velmorin_measure_startup [--fresh]
// With --fresh the data folder is new and empty, as at the very first start
// (the data files are copied and the model database is created); otherwise
// it is the folder of $VELMORIN_DATA_DIR as the program finds it. Prints one
// line and ends once the window is shown, so "time" around it gives the
// whole process, loading included.
#include "app/Startup.h"
#include "app/TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

// Notes the first paint of the window.
class FirstPaint : public QObject {
public:
  explicit FirstPaint(QElapsedTimer& clock) : clock_(clock) {}
  qint64 elapsed = -1;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && elapsed < 0) {
      elapsed = clock_.elapsed();
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }

private:
  QElapsedTimer& clock_;
};

} // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  const bool fresh = argc > 1 && std::strcmp(argv[1], "--fresh") == 0;
  std::filesystem::path freshFolder;
  if (fresh) {
    freshFolder = std::filesystem::temp_directory_path() / ("velmorin-startup-" + std::to_string(::getpid()));
    std::filesystem::remove_all(freshFolder);
    setenv("VELMORIN_DATA_DIR", freshFolder.c_str(), 1);
  }
  QApplication app(argc, argv);
  const qint64 application = clock.elapsed();
  int status = 0;
  {
    velmorin::gui::TForm1 form(velmorin::gui::prepareDataFolder());
    const qint64 created = clock.elapsed();
    FirstPaint paint(clock);
    form.installEventFilter(&paint);
    form.show();
    app.exec();
    std::printf("%s start: QApplication %lld ms, main window created %lld ms, shown and painted %lld ms\n",
                fresh ? "first" : "later", static_cast<long long>(application),
                static_cast<long long>(created), static_cast<long long>(paint.elapsed));
    status = paint.elapsed < 0 ? 1 : 0;
  }
  if (fresh)
    std::filesystem::remove_all(freshFolder);
  return status;
}
