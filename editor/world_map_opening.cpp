// The world map beside the editor: it reads the ROM itself and hands clicks back.
#include <QLineEdit>

#include "editor_error.h"
#include "form1.h"
#include "world_map_window.h"

namespace quelbrook {

void TForm1::ShowWorldMap() {
  if (state_.romPath.empty()) throw EditorError("Open a ROM first: the world map shows its screens");
  auto* map = findChild<WorldMapWindow*>("WorldMap", Qt::FindDirectChildrenOnly);
  if (map && map->property("romPath").toString() == QString::fromStdString(state_.romPath)) {
    map->Refresh();
  } else {
    delete map;
    map = new WorldMapWindow(
        state_.romPath, state_.StartDirectory, *dialogs_,
        [this](int screen) {
          edit("Edit1")->setText(QString::number(screen));
          Run([this] { Button1Click(); });
        },
        this);
    map->setProperty("romPath", QString::fromStdString(state_.romPath));
    map->setWindowFlag(Qt::Window);
  }
  map->show();
  map->raise();
}

}  // namespace quelbrook
