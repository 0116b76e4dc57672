#pragma once
// The main window with a ROM open and its world editor in front, driven by real mouse
// and key events; keys carry the text X11 gives them.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>

#include "screen_decoding.h"
#include "window_fixture.h"
#include "world_canvas.h"
#include "world_cells.h"
#include "world_document.h"
#include "world_editor.h"
#include "world_tile_palette.h"

namespace quelbrook::testing {

class WorldEditorTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenRom(RomBuilder().DistinctScreens().StartScreenByte(EncodeStartScreenByte(55)));
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    Click([this] { window->ShowWorldEditor(); });
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    editor = window->findChild<WorldEditor*>("WorldEditor");
    ASSERT_NE(editor, nullptr);
    editor->resize(1400, 900);
    // The gestures are tried at full size, from the world's top left corner.
    Canvas()->setZoom(100);
    Canvas()->horizontalScrollBar()->setValue(0);
    Canvas()->verticalScrollBar()->setValue(0);
    QApplication::setActiveWindow(editor);
    Canvas()->setFocus();
    original = RomBytes();
  }

  WorldCanvas* Canvas() const { return editor->canvas(); }
  QWidget* View() const { return Canvas()->viewport(); }
  WorldDocument& Document() const { return editor->document(); }
  QUndoStack& History() const { return *Document().history(); }
  QPoint At(QPoint cell) const { return Canvas()->cellCentre(cell); }
  std::uint8_t Tile(QPoint cell) const { return Document().tile(cell); }

  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
    QTest::mousePress(View(), button, keys, at);
  }
  void MoveTo(QPoint at) { QTest::mouseMove(View(), at); }
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseRelease(View(), button, keys, at);
  }
  void ClickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
    Press(at, button, keys);
    Release(at, button, keys);
  }
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = {}) {
    Press(from, Qt::LeftButton, keys);
    MoveTo((from + to) / 2);
    MoveTo(to);
    Release(to, Qt::LeftButton, keys);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, Canvas(), key, text, modifiers);
  }
  void Ctrl(Qt::Key key, char letter) { Key(key, Qt::ControlModifier, QString(QChar(letter - 'A' + 1))); }
  void ChooseTile(int code) {
    QTest::mouseClick(editor->tilePalette(), Qt::LeftButton, {},
                      editor->tilePalette()->tileRect(code).center());
  }
  QAction* MenuEntry(const QString& text) const {
    for (QAction* action : editor->screenMenu()->actions())
      if (action->text().startsWith(text)) return action;
    return nullptr;
  }
  void ScreenMenu(int screen, const QString& entry) {
    ClickAt(At(CellsOfScreen(screen).center()), Qt::RightButton, Qt::ControlModifier);
    ASSERT_NE(editor->screenMenu(), nullptr);
    EXPECT_EQ(editor->screenMenu()->title(), "Screen " + QString::number(screen));
    QAction* action = MenuEntry(entry);
    ASSERT_NE(action, nullptr) << entry.toStdString();
    if (!action->isEnabled()) return editor->screenMenu()->hide();
    QTest::mouseClick(editor->screenMenu(), Qt::LeftButton, {},
                      editor->screenMenu()->actionGeometry(action).center());
  }
  // Save through its key, then every byte outside these screens' records is as it was.
  void SaveAndExpectOnly(const std::vector<int>& screens) {
    Ctrl(Qt::Key_S, 'S');
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    EXPECT_FALSE(Document().hasUnsavedChanges());
    const auto saved = RomBytes();
    for (std::size_t offset : ChangedOffsets(original, saved)) {
      bool inside = false;
      for (int screen : screens)
        inside |= offset >= std::size_t(ScreenRecordOffset(screen)) &&
                  offset < std::size_t(ScreenRecordOffset(screen) + kScreenRecordLength);
      EXPECT_TRUE(inside) << "byte " << offset << " changed";
    }
    for (int screen = 1; screen <= kScreenCount; ++screen)
      EXPECT_TRUE(std::equal(Document().record(screen).begin(), Document().record(screen).end(),
                             saved.begin() + ScreenRecordOffset(screen)))
          << "screen " << screen;
  }

  WorldEditor* editor = nullptr;
  std::vector<std::uint8_t> original;
};

}  // namespace quelbrook::testing
