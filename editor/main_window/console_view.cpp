// View > "As the console draws it": the shown screen's cells and the tile palette as the game
// draws them, captured off the window's thread, while every edit works as it does without.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <optional>

#include "byte_map.h"
#include "capture_settings_store.h"
#include "console_captures.h"
#include "console_view_setting.h"
#include "core_search.h"
#include "editor_error.h"
#include "form1.h"
#include "hex_text.h"
#include "image_control.h"
#include "item_catalogue.h"
#include "rom_identity.h"
#include "screen_value.h"
#include "window_description.h"
#include "window_layout.h"

namespace quelbrook {

namespace {
// The shown values as the game would read them; none while a typed field does not convert.
std::optional<RecordBytes> ConvertedRecord(const ScreenValue& value) {
  try {
    return RecordOf(value);
  } catch (const EditorError&) {
    return std::nullopt;
  }
}

QPixmap CellOf(const QImage& field, int cell) {
  return QPixmap::fromImage(field.copy((cell - 1) % kGridColumns * kCellSize,
                                       (cell - 1) / kGridColumns * kCellSize, kCellSize, kCellSize));
}
}  // namespace

void TForm1::BuildViewMenu() {
  consoleViewAction_ = AddConsoleViewAction(*menuBar()->addMenu("&View"), kMainWindowLayout);
  connect(consoleViewAction_, &QAction::toggled, this,
          [this](bool on) { Run([this, on] { ConsoleViewToggled(on); }); });
}

bool TForm1::ShowsConsoleView() const { return consoleViewAction_->isChecked(); }

ConsoleCaptures* TForm1::Captures() {
  if (state_.romPath.empty()) return nullptr;
  if (!captures_) {
    captures_ = std::make_unique<ConsoleCaptures>(play::ChosenNesCore());
    connect(captures_.get(), &ConsoleCaptures::screenCaptured, this, [this](int screen) {
      if (screen == ShownScreenNumber()) FollowInConsoleView();
    });
    connect(captures_.get(), &ConsoleCaptures::tileCaptured, this,
            [this](int code) { ShowConsoleTile(code); });
    connect(captures_.get(), &ConsoleCaptures::refused, this, [this](const QString& message) {
      if (!ShowsConsoleView()) return;
      consoleViewAction_->setChecked(false);
      if (captures_->takeRefusalToTell()) Run([&message] { throw EditorError(message.toStdString()); });
    });
    connect(captures_.get(), &ConsoleCaptures::forgotten, this, [this] {
      consolePalettes_.reset();
      FollowInConsoleView();
    });
  }
  const QString rom = QFile::decodeName(state_.romPath.c_str());
  if (captures_->rom() != rom)
    captures_->bindRom(rom, ReadConsoleViewSettings(IdentityOf(rom)));
  else if (!captures_->refusal().isEmpty())
    ForgetConsolePictures();  // a ROM put back after a while gone is not watched: check it again
  return captures_.get();
}

void TForm1::ForgetConsolePictures() {
  // Settings are read again: they are kept by the game, which may have changed with the bytes.
  if (captures_) captures_->forget(ReadConsoleViewSettings(IdentityOf(captures_->rom())));
}

void TForm1::ConsoleViewToggled(bool on) {
  RememberConsoleView(kMainWindowLayout, on);
  consolePalettes_.reset();
  if (on && Captures() && !captures_->refusal().isEmpty()) {
    consoleViewAction_->setChecked(false);
    throw EditorError(captures_->refusal().toStdString());
  }
  if (on) return FollowInConsoleView();
  controls_.ConsolePending->setVisible(false);
  for (int n = 1; n <= kPaletteSize; ++n) setPicture(Pic(n), TileBitmapPath(IntToHexText(n - 1)));
  if (state_.recordLocated) ShowTileCodes(ShownScreenValue().tileCodes);
}

void TForm1::FollowInConsoleView() {
  if (!ShowsConsoleView() || !state_.recordLocated) return;
  ConsoleCaptures* captures = Captures();
  const std::optional<RecordBytes> record = ConvertedRecord(ShownScreenValue());
  const QImage field = captures && record ? captures->screen(ShownScreenNumber(), *record) : QImage();
  if (field.isNull() && captures && record) captures->ask(ShownScreenNumber(), *record, true);
  controls_.ConsolePending->setVisible(field.isNull());
  if (!field.isNull())
    for (int cell = 1; cell <= kTileCount; ++cell) Image(cell)->setPicture(CellOf(field, cell));
  if (captures) ShowConsolePalette();
}

// A code not yet captured in the shown palettes keeps its own picture until it is.
void TForm1::ShowConsolePalette() {
  const std::optional<RecordBytes> record = ConvertedRecord(ShownScreenValue());
  if (!record) return;
  const std::pair<int, int> palettes{(*record)[kRecordPalette1], (*record)[kRecordPalette2]};
  if (consolePalettes_ == palettes) return;
  consolePalettes_ = palettes;
  for (int n = 1; n <= kPaletteSize; ++n)
    if (!ShowConsoleTile(n - 1)) setPicture(Pic(n), TileBitmapPath(IntToHexText(n - 1)));
}

bool TForm1::ShowConsoleTile(int code) {
  if (!ShowsConsoleView() || !consolePalettes_ || !captures_) return false;
  const QImage tile = captures_->tile({consolePalettes_->first, consolePalettes_->second}, code);
  if (!tile.isNull()) Pic(code + 1)->setPicture(QPixmap::fromImage(tile));
  return !tile.isNull();
}

}  // namespace quelbrook
