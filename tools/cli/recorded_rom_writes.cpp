#include "recorded_rom_writes.h"

#include <ostream>

#include "recorded_write.h"
#include "rom_history.h"

namespace quelbrook::cli {

std::function<void()> TellWaiting(const std::string& rom, std::ostream& err) {
  return [&err, rom] {
    err << "quelbrook: waiting for " << history::RomHistory::PathFor(rom)
        << ", which another program is using\n";
  };
}

void TellNote(const std::string& note, std::ostream& err) {
  if (!note.empty()) err << "quelbrook: note: " << note << '\n';
}

std::string CallWords(const std::string& command, const std::vector<std::string>& args) {
  std::string words = command;
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string word = args[i];
    if (const auto slash = word.rfind('/'); slash != std::string::npos && slash + 1 < word.size())
      word = word.substr(slash + 1);
    if (word.find(' ') != std::string::npos || word.empty()) word = '"' + word + '"';
    words += ' ' + word;
  }
  return words;
}

void WriteRomRecorded(const std::string& rom, const std::vector<BytePatch>& patches, const std::string& words,
                      std::ostream& err) {
  history::KeptHistory kept(rom, TellWaiting(rom, err));
  TellNote(history::WritePatchesRecorded(kept, patches, words), err);
}

void ReplaceRomRecorded(const std::string& rom, const Bytes& bytes, const std::string& words,
                        std::ostream& err) {
  history::KeptHistory kept(rom, TellWaiting(rom, err));
  TellNote(history::ReplaceRomRecorded(kept, bytes, words), err);
}

}  // namespace quelbrook::cli
