#pragma once
// The tool's writes of a ROM, each kept as a restore point; a history that cannot keep it
// is noted on the error stream and the write goes ahead.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "rom_patch.h"
#include "whole_files.h"

namespace quelbrook::cli {

// The call as typed, the ROM left out and other files by name: "set 40 tile5 1F".
std::string CallWords(const std::string& command, const std::vector<std::string>& args);

// What the tool says while another program holds the history, and when it cannot keep a point.
std::function<void()> TellWaiting(const std::string& rom, std::ostream& err);
void TellNote(const std::string& note, std::ostream& err);

void WriteRomRecorded(const std::string& rom, const std::vector<BytePatch>& patches, const std::string& words,
                      std::ostream& err);
void ReplaceRomRecorded(const std::string& rom, const Bytes& bytes, const std::string& words,
                        std::ostream& err);

}  // namespace quelbrook::cli
