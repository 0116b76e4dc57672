#pragma once
// The ROMs opened last, newest first, kept in the user's settings for File > Open Recent.

#include <QString>
#include <QStringList>

namespace quelbrook {

constexpr int kRecentRomCount = 8;

QStringList RecentRoms();
// Puts the ROM first, as an absolute path, and keeps the newest kRecentRomCount.
void AddRecentRom(const QString& path);
void RemoveRecentRom(const QString& path);
void ClearRecentRoms();

}  // namespace quelbrook
