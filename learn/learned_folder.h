#pragma once
// Putting learned pictures in place all at once: the new picture folders are made inside DIR
// and swapped in only when every file is written; DIR's other files are never touched.

#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <string>

namespace quelbrook::learn {

// Moves a file or folder; false when it could not.
using Rename = std::function<bool(const QString& from, const QString& to)>;

// Throws what WriteFolderAtOnce would for a `dir` that is a file or cannot be written, leaving
// it as it was: told before the work, not after.
void RequireWritableFolder(const QString& dir);

// Makes `dir` a folder (when missing) whose graph/, items/ and enemyes/ are their old selves,
// or those of `base` when `dir` has none, with `pictures` (relative path such as
// "graph/AF.bmp" to a picture) written over them, and whose `texts` (relative path to
// contents) are replaced. Throws EditorError, leaving `dir` as it was, when `dir` is a file or
// cannot be written. Should putting the old entries back fail too, they are kept in a folder
// inside `dir` that the message names. `rename` moves the entries (QDir::rename unless given).
void WriteFolderAtOnce(const QString& dir, const std::map<std::string, QImage>& pictures,
                       const std::map<std::string, std::string>& texts, const QString& base = {},
                       const Rename& rename = {});

}  // namespace quelbrook::learn
