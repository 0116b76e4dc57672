// Damaged .map and .tpie side files: each import is refused with a message naming the
// problem, before the view or the ROM changes; exports to impossible places likewise.
#include <filesystem>

#include "fault_case.h"

namespace quelbrook::testing {
namespace {

namespace fs = std::filesystem;

const std::string kNotMap = "This is not a map file written by the editor: line ";
const std::string kNotTpie = "This is not a Text/Palette/Item/Enemies file written by the editor: line ";
const char* const kTooLarge = "The file is too large to be a side file of one screen.";

// Deterministic bytes of every value but the line break, NULs among them.
std::string Binary(std::size_t length, unsigned seed) {
  std::string bytes;
  for (std::size_t i = 0; i < length; ++i) {
    seed = seed * 1103515245u + 12345u;
    char byte = static_cast<char>((seed >> 16) & 0xFF);
    bytes.push_back(byte == '\n' || i % 7 == 0 ? '\0' : byte);
  }
  return bytes;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string MapWith(const std::string& columns, const std::string& rows, int codes) {
  std::vector<std::string> lines{columns, rows};
  for (int i = 0; i < codes; ++i) lines.push_back("1A");
  return Lines(lines);
}

// Palettes 1 and 2, item destination, four enemy destinations, four kinds, item code.
std::vector<std::string> TpieLines() {
  return {"ABCD", "1", "2", "3", "4", "5", "6", "7", "1", "2", "3", "4", "5"};
}
std::string TpieWith(std::size_t line, const std::string& text) {
  auto lines = TpieLines();
  lines[line - 1] = text;
  return Lines(lines);
}
std::string TpieOfLines(std::size_t count) {
  auto lines = TpieLines();
  lines.resize(count);
  return Lines(lines);
}

enum class Kind { kMap, kTpie };
enum class Shape { kContent, kDirectory, kMissing };

struct BadFile {
  Kind kind;
  const char* name;
  Shape shape;
  std::string content;
  std::string message;
};

const BadFile kBadFiles[] = {
    {Kind::kMap, "empty", Shape::kContent, "", kNotMap + "1 is missing: the file has 0 lines, a map has 50."},
    {Kind::kMap, "binary on one line", Shape::kContent, Binary(4000, 1),
     kNotMap + "2 is missing: the file has 1 line, a map has 50."},
    {Kind::kMap, "binary codes", Shape::kContent,
     "48\r\n1\r\n" + Lines(std::vector<std::string>(48, Binary(9, 2))),
     kNotMap + "3 is not a tile code of one or two hexadecimal digits."},
    {Kind::kMap, "a megabyte on one line", Shape::kContent, std::string(1 << 20, '1'), kTooLarge},
    {Kind::kMap, "short of lines", Shape::kContent, MapWith("48", "1", 18),
     kNotMap + "21 is missing: the file has 20 lines, a map has 50."},
    {Kind::kMap, "column count 47", Shape::kContent, MapWith("47", "1", 48),
     kNotMap + "1 should hold the column count 48."},
    {Kind::kMap, "row count 2", Shape::kContent, MapWith("48", "2", 48),
     kNotMap + "2 should hold the row count 1."},
    {Kind::kMap, "code of three digits", Shape::kContent, MapWith("48", "1", 47) + "1A0\r\n",
     kNotMap + "50 is not a tile code of one or two hexadecimal digits."},
    {Kind::kMap, "a folder", Shape::kDirectory, "", "File access denied."},
    {Kind::kMap, "missing", Shape::kMissing, "", "File not found."},

    {Kind::kTpie, "empty", Shape::kContent, "",
     kNotTpie + "1 is missing: the file has 0 lines, it needs 13."},
    {Kind::kTpie, "binary on one line", Shape::kContent, Binary(4000, 3),
     kNotTpie + "2 is missing: the file has 1 line, it needs 13."},
    {Kind::kTpie, "binary values", Shape::kContent,
     "ABCD\r\n" + Lines(std::vector<std::string>(12, Binary(9, 4))),
     kNotTpie + "2 is not a number of one to three digits."},
    {Kind::kTpie, "a megabyte on one line", Shape::kContent, std::string(1 << 20, 'A'), kTooLarge},
    {Kind::kTpie, "short of lines", Shape::kContent, TpieOfLines(6),
     kNotTpie + "7 is missing: the file has 6 lines, it needs 13."},
    {Kind::kTpie, "message of 17 characters", Shape::kContent, TpieWith(1, "ABCDEFGHIJKLMNOPQ"),
     kNotTpie + "1 holds a message longer than 16 characters."},
    {Kind::kTpie, "palette of four digits", Shape::kContent, TpieWith(2, "1000"),
     kNotTpie + "2 is not a number of one to three digits."},
    {Kind::kTpie, "destination negative", Shape::kContent, TpieWith(5, "-1"),
     kNotTpie + "5 is not a number of one to three digits."},
    {Kind::kTpie, "enemy kind of three digits", Shape::kContent, TpieWith(9, "100"),
     kNotTpie + "9 is not a code of one or two hexadecimal digits."},
    {Kind::kTpie, "item code empty", Shape::kContent, TpieWith(13, ""),
     kNotTpie + "13 is not a code of one or two hexadecimal digits."},
    {Kind::kTpie, "a folder", Shape::kDirectory, "", "File access denied."},
    {Kind::kTpie, "missing", Shape::kMissing, "", "File not found."},
};

using SideFileFaultTest = FaultTest;

void Import(TForm1& window, Kind kind) {
  window.Run([&window, kind] { kind == Kind::kMap ? window.Button28Click() : window.Button34Click(); });
}

TEST_F(SideFileFaultTest, DamagedSideFilesAreRefusedBeforeTheViewOrTheRomChanges) {
  OpenScreen5();
  for (const auto& row : kBadFiles) {
    SCOPED_TRACE(std::string(row.kind == Kind::kMap ? "map: " : "tpie: ") + row.name);
    dialogs.messages.clear();
    const fs::path path = dir.path() / (row.kind == Kind::kMap ? "bad.map" : "bad.tpie");
    fs::remove_all(path);
    if (row.shape == Shape::kContent) WriteText(path, row.content);
    if (row.shape == Shape::kDirectory) fs::create_directory(path);
    const auto before = RomBytes();
    const auto view = View();

    dialogs.fileAnswers = {QString::fromStdString(path.string())};
    WithinTimeLimit([&] { Import(*window, row.kind); });

    EXPECT_EQ(Last(), row.message);
    EXPECT_EQ(dialogs.messages.size(), 1) << Messages();
    EXPECT_EQ(RomBytes(), before);
    EXPECT_EQ(ViewChanges(view, View()), std::vector<std::string>{});
    if (row.shape == Shape::kContent) {
      EXPECT_EQ(ReadFile(path).size(), row.content.size());
    }
    if (row.shape == Shape::kDirectory) {
      EXPECT_TRUE(fs::is_directory(path));
    }
    if (row.shape == Shape::kMissing) {
      EXPECT_FALSE(fs::exists(path));
    }
  }
}

TEST_F(SideFileFaultTest, CancelledImportsChangeNothingOutsideTheShownRecord) {
  OpenScreen5();
  for (Kind kind : {Kind::kMap, Kind::kTpie}) {
    SCOPED_TRACE(kind == Kind::kMap ? "map" : "tpie");
    const auto before = RomBytes();
    const auto view = View();
    dialogs.fileAnswers = {""};
    WithinTimeLimit([&] { Import(*window, kind); });
    EXPECT_TRUE(dialogs.messages.isEmpty()) << Messages();
    // A cancelled import still saves the view it reloads; that view is the record itself.
    EXPECT_EQ(RomBytes(), before);
    EXPECT_EQ(ViewChanges(view, View()), std::vector<std::string>{});
  }
}

struct BadTarget {
  const char* name;
  bool directory;  // else a file in a folder that does not exist
  const char* message;
};

TEST_F(SideFileFaultTest, ExportsToAFolderOrIntoAMissingFolderAreRefused) {
  OpenScreen5();
  const BadTarget targets[] = {{"a folder", true, "File access denied."},
                               {"in a missing folder", false, "File not found."}};
  for (const auto& target : targets) {
    for (Kind kind : {Kind::kMap, Kind::kTpie}) {
      SCOPED_TRACE(std::string(kind == Kind::kMap ? "map " : "tpie ") + target.name);
      dialogs.messages.clear();
      const fs::path path = target.directory ? dir.path() / "taken.map" : dir.path() / "absent" / "new.map";
      if (target.directory) fs::create_directories(path);
      const auto before = RomBytes();
      const auto view = View();
      dialogs.fileAnswers = {QString::fromStdString(path.string())};
      WithinTimeLimit([&] {
        Click([this, kind] { kind == Kind::kMap ? window->Button27Click() : window->Button33Click(); });
      });
      EXPECT_EQ(Last(), target.message);
      EXPECT_EQ(dialogs.messages.size(), 1) << Messages();
      EXPECT_EQ(RomBytes(), before);
      EXPECT_EQ(ViewChanges(view, View()), std::vector<std::string>{});
      EXPECT_EQ(fs::is_directory(path), target.directory);
      // No temporary file is left behind.
      for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
    }
  }
}

}  // namespace
}  // namespace quelbrook::testing
