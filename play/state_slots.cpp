#include "state_slots.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "editor_error.h"

namespace quelbrook::play {

namespace {
// A file is this line, "core NAME", "game IDENTITY", then the core's state as it gave it.
const QByteArray kFormatLine = "quelbrook state 1";

QByteArray HeaderOf(const StateOrigin& origin) {
  return kFormatLine + "\ncore " + origin.core.toUtf8() + "\ngame " + origin.game.toLatin1() + "\n";
}

struct StateFile {
  StateOrigin origin;
  QByteArray state;
};

std::optional<StateFile> Parse(const QByteArray& bytes) {
  QList<QByteArray> lines;
  qsizetype at = 0;
  for (int line = 0; line < 3; ++line) {
    const qsizetype end = bytes.indexOf('\n', at);
    if (end < 0) return std::nullopt;
    lines.push_back(bytes.mid(at, end - at));
    at = end + 1;
  }
  if (lines[0] != kFormatLine || !lines[1].startsWith("core ") || !lines[2].startsWith("game "))
    return std::nullopt;
  return StateFile{{QString::fromUtf8(lines[1].mid(5)), QString::fromLatin1(lines[2].mid(5))}, bytes.mid(at)};
}
}  // namespace

QString SlotName(int slot) { return slot == kQuickSlot ? "the quick slot" : "slot " + QString::number(slot); }

StateSlots::StateSlots(const QString& romPath, StateOrigin origin)
    : romPath_(QFileInfo(romPath).absoluteFilePath()), origin_(std::move(origin)) {}

QString StateSlots::PathOf(int slot) const {
  // The same ROM reached by another spelling of its path keeps its slots.
  const QString key =
      QString::fromLatin1(QCryptographicHash::hash(romPath_.toUtf8(), QCryptographicHash::Sha1).toHex());
  const QString name = slot == kQuickSlot ? key : key + "-" + QString::number(slot);
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath("states/" + name + ".state");
}

bool StateSlots::Holds(int slot) const { return QFile::exists(PathOf(slot)); }

void StateSlots::Save(int slot, const QByteArray& state) const {
  const QString path = PathOf(slot);
  const QByteArray bytes = HeaderOf(origin_) + state;
  QSaveFile file(path);
  if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
      file.write(bytes) != bytes.size() || !file.commit())
    throw EditorError("The state could not be saved to " + path.toStdString() + ": " +
                      file.errorString().toStdString());
}

std::optional<QByteArray> StateSlots::Load(int slot) const {
  QFile file(PathOf(slot));
  if (!file.exists()) return std::nullopt;
  const std::string where = SlotName(slot).toStdString() + " (" + file.fileName().toStdString() + ")";
  if (!file.open(QIODevice::ReadOnly))
    throw EditorError("The state in " + where + " could not be read: " + file.errorString().toStdString());
  const auto saved = Parse(file.readAll());
  if (!saved)
    throw EditorError("The file of " + where + " holds no state the editor saved: save the state again");
  if (saved->origin.core != origin_.core)
    throw EditorError("The state in " + where + " was saved by the NES core " +
                      saved->origin.core.toStdString() +
                      ", and only that core can load it; this game runs on " + origin_.core.toStdString());
  if (saved->origin.game != origin_.game)
    throw EditorError("The state in " + where +
                      " was saved in another game than this ROM holds now, and cannot go back into it");
  return saved->state;
}

}  // namespace quelbrook::play
