// ips, apply-ips, bps and apply-bps: patches between two whole ROM files.
#include <ostream>

#include "arguments.h"
#include "bps_patch.h"
#include "command.h"
#include "editor_error.h"
#include "file_checksums.h"
#include "ips_patch.h"
#include "recorded_rom_writes.h"
#include "whole_files.h"

namespace quelbrook::cli {

namespace {
using Maker = ReadResult<Bytes> (*)(const Bytes&, const Bytes&);
using Applier = ReadResult<Bytes> (*)(const Bytes&, const Bytes&);

int MakePatch(const std::vector<std::string>& args, std::ostream& out, Maker make) {
  RequireArgumentCount(args, 3);
  const Bytes original = ReadWholeFile(args[0]);
  const Bytes modified = ReadWholeFile(args[1]);
  ReplaceFile(args[2], Accepted(make(original, modified)));
  PrintChecksums(out, "source ", original);
  PrintChecksums(out, "target ", modified);
  return kExitOk;
}

// The patch is read and checked whole before the ROM is replaced, all at once.
int ApplyPatch(const std::vector<std::string>& args, const char* name, Applier apply, std::ostream& err) {
  RequireArgumentCount(args, 2);
  const Bytes rom = ReadRomForChange(args[0]);
  const Bytes patch = ReadWholeFile(args[1]);
  ReplaceRomRecorded(args[0], Accepted(apply(rom, patch)), CallWords(name, args), err);
  return kExitOk;
}

ReadResult<Bytes> MakeBps(const Bytes& source, const Bytes& target) { return MakeBpsPatch(source, target); }

int Ips(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  return MakePatch(args, out, MakeIpsPatch);
}
int ApplyIps(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  return ApplyPatch(args, "apply-ips", ApplyIpsPatch, err);
}
int Bps(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  return MakePatch(args, out, MakeBps);
}
int ApplyBps(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  return ApplyPatch(args, "apply-bps", ApplyBpsPatch, err);
}
}  // namespace

extern const Command kIpsCommand{
    "ips", "ORIGINAL MODIFIED OUT.ips",
    "write an IPS patch that turns ORIGINAL into MODIFIED (files up to 16 MiB); print both files' checksums",
    Ips};
extern const Command kApplyIpsCommand{
    "apply-ips", "ROM PATCH", "apply an IPS patch to ROM; a damaged patch leaves ROM untouched", ApplyIps};
extern const Command kBpsCommand{
    "bps", "ORIGINAL MODIFIED OUT.bps",
    "write a BPS patch that turns ORIGINAL into MODIFIED; print both files' checksums", Bps};
extern const Command kApplyBpsCommand{
    "apply-bps", "ROM PATCH",
    "apply a BPS patch to ROM after checking it was made for this ROM; otherwise ROM stays untouched",
    ApplyBps};

}  // namespace quelbrook::cli
