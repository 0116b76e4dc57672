#pragma once
// Putting learned pictures in place all at once: the new folder is made beside the old one
// and swapped in only when every file is written.

#include <QImage>
#include <QString>
#include <map>
#include <string>

namespace quelbrook::learn {

// Writes `DIR` as its old files with `pictures` (relative path such as "graph/AF.bmp" to a
// picture) and `texts` (relative path to contents) written over them; a `DIR` not there yet
// starts from the picture folders of `base` when given. Throws EditorError naming the folder
// when it cannot be made; `DIR` is then as it was.
void WriteFolderAtOnce(const QString& dir, const std::map<std::string, QImage>& pictures,
                       const std::map<std::string, std::string>& texts, const QString& base = {});

}  // namespace quelbrook::learn
