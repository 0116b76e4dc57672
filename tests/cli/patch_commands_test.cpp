// ips, bps and their apply commands on ROM files.
#include "bps_patch.h"
#include "cli_fixture.h"
#include "ips_patch.h"

namespace quelbrook::testing {
namespace {

class CliPatchTest : public CliTest {
 protected:
  void SetUp() override {
    WriteFile(Path("old.nes"), RomBuilder().DistinctScreens().bytes());
    auto modified = RomBuilder().DistinctScreens().Record(3, DistinctRecord(90)).bytes();
    std::fill(modified.begin() + 1000, modified.begin() + 3000, 0xEA);  // a run
    modified.resize(modified.size() + 4096, 0x11);                      // growth
    WriteFile(Path("new.nes"), modified);
  }
  // Makes a patch from old.nes to new.nes and applies it to a copy of old.nes.
  void ExpectPatchTurnsOldIntoNew(const std::string& make, const std::string& apply) {
    const std::string patch = Path("p." + make);
    ASSERT_EQ(RunCli({make, Path("old.nes"), Path("new.nes"), patch}).exitCode, 0);
    WriteFile(Rom(), ReadFile(Path("old.nes")));
    const auto run = RunCli({apply, Rom(), patch});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_TRUE(RomBytes() == ReadFile(Path("new.nes")));
  }
  void ExpectRomUntouchedBy(const std::vector<std::string>& args, const std::string& message) {
    WriteFile(Rom(), ReadFile(Path("old.nes")));
    ExpectFailure(RunCli(args), message);
    EXPECT_TRUE(RomBytes() == ReadFile(Path("old.nes")));
  }
};

TEST_F(CliPatchTest, IpsTurnsTheFirstRomIntoTheSecond) { ExpectPatchTurnsOldIntoNew("ips", "apply-ips"); }
TEST_F(CliPatchTest, BpsTurnsTheFirstRomIntoTheSecond) { ExpectPatchTurnsOldIntoNew("bps", "apply-bps"); }

TEST_F(CliPatchTest, MakingAPatchPrintsTheChecksumsOfSourceAndTarget) {
  WriteFile(Path("empty.nes"), {});
  WriteFile(Path("abc.nes"), {'N', 'E', 'S', 0x1A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'A', 'B', 'C'});
  for (const char* command : {"ips", "bps"}) {
    const auto run = RunCli({command, Path("empty.nes"), Path("abc.nes"), Path("p.patch")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(
                  "source size: 0\nsource crc32: 00000000\nsource md5: d41d8cd98f00b204e9800998ecf8427e\n"
                  "source sha1: da39a3ee5e6b4b0d3255bfef95601890afd80709\nsource size without header: 0\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("target size: 19\n"), std::string::npos);
    EXPECT_NE(run.out.find("\ntarget size without header: 3\ntarget crc32 without header: a3830348\n"
                           "target md5 without header: 902fbdd2b1df0c4f70b4a5d23525e932\n"
                           "target sha1 without header: 3c01bdbb26f358bab27f267924aa2c9a03fcfdb8\n"),
              std::string::npos)
        << run.out;
  }
}

TEST_F(CliPatchTest, PatchesAreTheLibrarysOwn) {
  ASSERT_EQ(RunCli({"ips", Path("old.nes"), Path("new.nes"), Path("p.ips")}).exitCode, 0);
  EXPECT_EQ(ReadFile(Path("p.ips")),
            MakeIpsPatch(ReadFile(Path("old.nes")), ReadFile(Path("new.nes"))).values);
  ASSERT_EQ(RunCli({"bps", Path("old.nes"), Path("new.nes"), Path("p.bps")}).exitCode, 0);
  EXPECT_EQ(ReadFile(Path("p.bps")),
            MakeBpsPatch(ReadFile(Path("old.nes")), ReadFile(Path("new.nes"))).values);
}

TEST_F(CliPatchTest, ABpsPatchRefusesAnotherRom) {
  ASSERT_EQ(RunCli({"bps", Path("old.nes"), Path("new.nes"), Path("p.bps")}).exitCode, 0);
  auto other = ReadFile(Path("old.nes"));
  other[500] ^= 1;
  WriteFile(Rom(), other);
  const auto run = RunCli({"apply-bps", Rom(), Path("p.bps")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("quelbrook: This BPS patch is for another ROM", 0), 0u) << run.err;
  EXPECT_TRUE(RomBytes() == other);
}

TEST_F(CliPatchTest, MalformedPatchesLeaveTheRomUntouched) {
  ASSERT_EQ(RunCli({"ips", Path("old.nes"), Path("new.nes"), Path("p.ips")}).exitCode, 0);
  ASSERT_EQ(RunCli({"bps", Path("old.nes"), Path("new.nes"), Path("p.bps")}).exitCode, 0);
  auto ips = ReadFile(Path("p.ips"));
  ips.resize(ips.size() - 5);  // no "EOF" any more, and a record cut short
  WriteFile(Path("cut.ips"), ips);
  ExpectRomUntouchedBy({"apply-ips", Rom(), Path("cut.ips")}, ApplyIpsPatch({}, ips).error);
  auto bps = ReadFile(Path("p.bps"));
  bps[bps.size() / 2] ^= 0x40;
  WriteFile(Path("bad.bps"), bps);
  ExpectRomUntouchedBy({"apply-bps", Rom(), Path("bad.bps")},
                       "The BPS patch is damaged: its own checksum does not match");
  ExpectRomUntouchedBy({"apply-ips", Rom(), Path("p.bps")},
                       "This is not an IPS patch: it does not begin with \"PATCH\"");
  ExpectRomUntouchedBy({"apply-bps", Rom(), Path("p.ips")},
                       "This is not a BPS patch: it does not begin with \"BPS1\"");
  ExpectRomUntouchedBy({"apply-ips", Rom(), Path("missing.ips")}, Path("missing.ips") + ": File not found");
}

TEST_F(CliPatchTest, FilesBeyondSixteenMebibytesAreRefusedForIps) {
  WriteFile(Path("huge.nes"), std::vector<std::uint8_t>(kIpsSizeLimit + 1, 0x42));
  const auto run = RunCli({"ips", Path("old.nes"), Path("huge.nes"), Path("p.ips")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("16 MiB"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(Path("p.ips")));
}

TEST_F(CliPatchTest, MissingFilesGiveTheWindowsTexts) {
  ExpectFailure(RunCli({"ips", Path("none.nes"), Path("new.nes"), Path("p.ips")}),
                Path("none.nes") + ": File not found");
  ExpectFailure(RunCli({"bps", Path("old.nes"), Path("none.nes"), Path("p.bps")}),
                Path("none.nes") + ": File not found");
  ExpectFailure(RunCli({"apply-bps", Path("none.nes"), Path("p.bps")}),
                Path("none.nes") + ": File not found");
  ExpectFailure(RunCli({"apply-ips", dir.path().string(), Path("p.ips")}),
                dir.path().string() + ": File access denied");
}

}  // namespace
}  // namespace quelbrook::testing
