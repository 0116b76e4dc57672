#pragma once
// What every case of the fault matrix shares: a time bound, a ROM on screen 5 and a
// look at the whole view.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <functional>

#include "window_fixture.h"

namespace quelbrook::testing {

// Far above what any single operation on these small files takes.
constexpr std::chrono::seconds kCaseTimeLimit{10};

// Runs one case's operation and fails it when it took too long to be anything but a hang.
inline void WithinTimeLimit(const std::function<void()>& operation) {
  const auto start = std::chrono::steady_clock::now();
  operation();
  EXPECT_LT(std::chrono::steady_clock::now() - start, kCaseTimeLimit);
}

// The start-screen byte that names screen 5.
constexpr std::uint8_t kStartByteOfScreen5 = 222;
constexpr int kShownScreen = 5;

inline const char* const kNothingLoaded = "There is no loaded screen to save into: reload the screen first.";

// The lines of a later view that differ from an earlier one, for a short failure report.
inline std::vector<std::string> ViewChanges(const std::vector<std::string>& before,
                                            const std::vector<std::string>& after) {
  std::vector<std::string> changes;
  for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i)
    if (i >= before.size() || i >= after.size() || before[i] != after[i])
      changes.push_back(i < after.size() ? after[i] : "(gone) " + before[i]);
  return changes;
}

class FaultTest : public WindowTest {
 protected:
  // Screen 5 shown from a ROM whose every record differs.
  void OpenScreen5() {
    OpenRom(RomBuilder().DistinctScreens().StartScreenByte(kStartByteOfScreen5));
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    ASSERT_EQ(Edit("Edit1")->text(), "5");
  }
  // Every text and picture the window shows, to tell whether a refused operation touched it.
  std::vector<std::string> View() const {
    QStringList view;
    for (const QLineEdit* field : window->findChildren<QLineEdit*>())
      view << field->objectName() + "=" + field->text();
    for (const QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>())
      view << memo->objectName() + "=" + memo->toPlainText();
    for (int cell = 1; cell <= kTileCount; ++cell) view << "tile=" + TileCode(cell);
    for (const ImageControl* picture : window->findChildren<ImageControl*>())
      view << picture->objectName() + "@" + CentreColour(picture->picture()).name() + "@" +
                  QString::number(picture->x()) + "," + QString::number(picture->y());
    std::vector<std::string> texts;
    for (const QString& line : view) texts.push_back(line.toStdString());
    return texts;
  }
  std::string Last() const { return LastMessage().toStdString(); }
  std::string Messages() const { return dialogs.messages.join("\n").toStdString(); }
};

}  // namespace quelbrook::testing
