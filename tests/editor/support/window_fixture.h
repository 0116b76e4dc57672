#pragma once
// A real main window, created offscreen in a folder of test pictures, with a
// synthetic ROM and scripted dialogs.

#include <QtWidgets/qtestsupport_widgets.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <memory>

#include "asset_folder.h"
#include "form1.h"
#include "image_control.h"
#include "rom_builder.h"
#include "scripted_dialogs.h"
#include "tile_code_table.h"

namespace quelbrook::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeAssetFolder(Folder());
    QDir::setCurrent(Folder());
    QSettings().clear();  // each test starts as a first run
    window = std::make_unique<TForm1>(&dialogs);
  }
  void TearDown() override {
    window.reset();
    QDir::setCurrent(QDir::tempPath());
  }

  QString Folder() const { return QString::fromStdString(dir.path().string()); }
  std::string RomPath() const { return (dir / "Quelbrook.nes").string(); }

  // Writes the ROM and opens it through the window's Open ROM.
  void OpenRom(const RomBuilder& rom) {
    rom.Write(RomPath());
    dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
    Click([this] { window->Button2Click(); });
  }
  // Opens `rom` as the ROM through Open ROM in the shown, active window, where F6 plays.
  void OpenInActiveWindow(const std::vector<std::uint8_t>& rom) {
    WriteFile(RomPath(), rom);
    dialogs.fileAnswers.push_back(QString::fromStdString(RomPath()));
    Click([this] { window->Button2Click(); });
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  // As a user's click: failures land in dialogs.messages.
  void Click(const std::function<void()>& handler) { window->Run(handler); }
  void ShowScreen(int screen) {
    Edit("Edit1")->setText(QString::number(screen));
    Click([this] { window->Button1Click(); });
  }
  QString LastMessage() const { return dialogs.messages.isEmpty() ? QString() : dialogs.messages.back(); }

  template <typename Control>
  Control* Get(const QString& name) const {
    return window->registry().get<Control>(name);
  }
  QLineEdit* Edit(const QString& name) const { return Get<QLineEdit>(name); }
  QPushButton* Button(const QString& name) const { return Get<QPushButton>(name); }
  QLabel* Label(const QString& name) const { return Get<QLabel>(name); }
  QCheckBox* Check(const QString& name) const { return Get<QCheckBox>(name); }
  ImageControl* Image(const QString& name) const { return Get<ImageControl>(name); }
  QPoint Position(const QString& name) const {
    if (auto* image = qobject_cast<ImageControl*>(window->registry().find(name))) return image->pos();
    return Get<QWidget>(name)->pos();
  }
  QString TileCode(int cell) const { return Get<TileCodeTable>("StringGrid1")->text(cell - 1); }
  std::vector<std::uint8_t> RomBytes() const { return ReadFile(RomPath()); }

  TempDir dir;
  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> window;
};

}  // namespace quelbrook::testing
