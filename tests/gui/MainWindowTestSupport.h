// What the main-window tests share: a fresh data folder with small picture
// streams, the comments file and a welcome text; main windows created on it;
// message boxes read and answered.
#pragma once

#include "TempDataDir.h"

#include "app/TForm1.h"
#include "app/TFrameLib.h"
#include "catalogue/StreamRecords.h"
#include "settings/DataFolder.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <vector>

namespace velmorin::gui::testing {

inline QByteArray pictureBytes(int width, int height, QColor color, const char* format) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(color);
  QPainter(&image).drawLine(0, 0, width - 1, height - 1);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

inline void writeStream(const std::filesystem::path& file, int records, int width, int height,
                        const char* format) {
  std::vector<std::uint8_t> stream;
  for (int k = 1; k <= records; ++k) {
    const QByteArray bytes = pictureBytes(width, height, QColor::fromHsv(k * 9 % 360, 120, 230), format);
    appendStreamRecord(
        stream, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), std::size_t(bytes.size())));
  }
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(stream.data()), std::streamsize(stream.size()));
}

// The comments file delivered with the program.
inline std::filesystem::path sourceComments() {
  return std::filesystem::path(VELMORIN_SOURCE_DIR) / "data" / "schemas.txt";
}

struct AnsweredBox {
  bool shown = false;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Runs `action`; every message box it opens is read and answered with
// `answer` (Ok when the box has no such button).
inline std::vector<AnsweredBox> answerMessageBoxes(const std::function<void()>& action,
                                                   QMessageBox::StandardButton answer = QMessageBox::Ok) {
  std::vector<AnsweredBox> boxes;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxes.push_back({true, m->text(), m->icon(), m->standardButtons()});
      m->done(m->standardButtons() & answer ? answer : QMessageBox::Ok);
    }
  });
  poll.start();
  action();
  poll.stop();
  return boxes;
}

class MainWindowFixture : public ::testing::Test {
protected:
  void SetUp() override {
    writeStream(data.file("stream-miniatures.bin"), 40, 120, 104, "PNG");
    writeStream(data.file("stream-schemas.bin"), 40, 300, 200, "PNG");
    writeStream(data.file("stream-ec86.bin"), 4, 32, 32, "ICO");
    std::filesystem::copy_file(sourceComments(), data.file("schemas.txt"));
    std::ofstream(data.file("introduction.html")) << "<html><body><h1>Welcome to Velmorin</h1></body></html>";
  }

  void TearDown() override {
    for (auto& f : forms)
      delete f.data();
    QApplication::processEvents();
  }

  // A main window on the data folder, created (message boxes answered) but not shown.
  TForm1* create(std::vector<AnsweredBox>* boxes = nullptr) {
    TForm1* form = nullptr;
    const auto answered = answerMessageBoxes([&] { form = new TForm1(data.path()); });
    if (boxes)
      *boxes = answered;
    else
      EXPECT_TRUE(answered.empty()) << answered.front().text.toStdString();
    forms.emplace_back(form);
    return form;
  }

  TForm1* open() {
    TForm1* form = create();
    form->show();
    QApplication::processEvents();
    return form;
  }

  // Closes the window as the program ends: its placement is stored.
  void destroy(TForm1* form) {
    delete form;
    QApplication::processEvents();
  }

  Settings settings() const { return Settings(settingsFilePath("velmorin", data.path())); }

  velmorin::testing::TempDataDir data;
  std::vector<QPointer<TForm1>> forms;
};

// The circuits of the gallery tiles shown, in the order the gallery lays them out.
inline std::vector<int> shownTiles(const TForm1* form) {
  std::vector<int> out;
  QLayout* layout = form->ScrollBoxLibrary->widget()->layout();
  for (int i = 0; i < layout->count(); ++i)
    if (auto* tile = qobject_cast<TFrameLib*>(layout->itemAt(i)->widget()); tile && !tile->isHidden())
      out.push_back(tile->circuit());
  return out;
}

} // namespace velmorin::gui::testing
