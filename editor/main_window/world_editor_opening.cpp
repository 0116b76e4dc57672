// The world editor beside the main window: it edits the bound ROM itself, shows a screen
// here on request, and tells this window which records it saved.
#include <QLineEdit>

#include "byte_map.h"
#include "editor_error.h"
#include "form1.h"
#include "world_editor.h"

namespace quelbrook {

WorldEditor* TForm1::ShownWorldEditor() const {
  // A closed editor stays a child until its deletion, hidden.
  for (auto* editor : findChildren<WorldEditor*>("WorldEditor", Qt::FindDirectChildrenOnly))
    if (!editor->isHidden()) return editor;
  return nullptr;
}

void TForm1::ShowWorldEditor() {
  if (state_.romPath.empty()) throw EditorError("Open a ROM first: the world editor edits its screens");
  auto* editor = ShownWorldEditor();
  if (editor && editor->property("romPath").toString() != QString::fromStdString(state_.romPath)) {
    if (!editor->close()) return;
    editor = nullptr;
  }
  if (!editor) {
    WorldEditor::Hooks hooks;
    hooks.showScreen = [this](int screen) {
      controls_.Edit1->setText(QString::number(screen));
      Run([this] { Button1Click(); });
    };
    hooks.playScreen = [this](int screen, const RecordBytes& record) { PlayScreen(screen, record); };
    hooks.beforeWrite = [this] { EnsureBackup(); };
    hooks.saved = [this](const std::vector<int>& screens) { WorldScreensSaved(screens); };
    hooks.consoleCaptures = [this] { return Captures(); };
    hooks.openRom = [this](const QString& path) {
      if (!OpenRomFile(path)) return;
      // The world editor let its changes go before it passed the file on.
      if (WorldEditor* old = ShownWorldEditor()) old->closeWithoutAsking();
      Run([this] { ShowWorldEditor(); });
    };
    editor = new WorldEditor(state_.romPath, state_.PictureDirectory, *dialogs_, std::move(hooks), this);
    editor->setProperty("romPath", QString::fromStdString(state_.romPath));
  }
  editor->show();
  editor->raise();
  editor->activateWindow();
}

}  // namespace quelbrook
