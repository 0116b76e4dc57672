// Help, unknown commands and calls with the wrong words.
#include "cli_fixture.h"

namespace quelbrook::testing {
namespace {

const char* const kCommandNames[] = {"info",       "show",        "set",         "export-map",
                                     "import-map", "export-tpie", "import-tpie", "ips",
                                     "apply-ips",  "bps",         "apply-bps"};

TEST(CliHelp, ListsEveryCommandWithItsUsageOnStdout) {
  for (const char* word : {"--help", "help", "-h"}) {
    const auto run = RunCli({word});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    for (const char* name : kCommandNames)
      EXPECT_NE(run.out.find(std::string("quelbrook ") + name + " "), std::string::npos) << name;
    EXPECT_NE(run.out.find("quelbrook set ROM N FIELD VALUE"), std::string::npos);
  }
}

TEST(CliHelp, OneCommandsHelp) {
  const auto run = RunCli({"apply-bps", "--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.rfind("Usage: quelbrook apply-bps ROM PATCH\n", 0), 0u) << run.out;
}

TEST(CliHelp, VersionIsTheBuildsOne) {
  const auto run = RunCli({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "quelbrook " QUELBROOK_TEST_VERSION "\n");
  EXPECT_NE(run.out.find("\nLicense GPL-3.0-or-later"), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "");
}

TEST(CliUsage, NoCommandOrAnUnknownOneExitsTwo) {
  auto run = RunCli({});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Commands:"), std::string::npos);
  run = RunCli({"paint", "x"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("unknown command 'paint'"), std::string::npos);
}

class CliUsageOfCommands : public CliTest {};

TEST_F(CliUsageOfCommands, WrongWordsExitTwoAndLeaveTheRomAlone) {
  WriteRom(RomBuilder().DistinctScreens());
  const auto before = RomBytes();
  const std::vector<std::vector<std::string>> calls{
      {"info"},
      {"info", Rom(), "extra"},
      {"show", Rom()},
      {"show", Rom(), "0"},
      {"show", Rom(), "129"},
      {"show", Rom(), "1x"},
      {"show", Rom(), "-1"},
      {"set", Rom(), "1", "tile49", "0"},
      {"set", Rom(), "1", "tile0", "0"},
      {"set", Rom(), "1", "tile", "5"},
      {"set", Rom(), "1", "colour", "5"},
      {"set", Rom(), "1", "tile1", "100"},
      {"set", Rom(), "1", "tile1", "G"},
      {"set", Rom(), "1", "tile1", ""},
      {"set", Rom(), "1", "enemy5-kind", "1"},
      {"set", Rom(), "1", "item", "100"},
      {"set", Rom(), "1", "enemy1-kind", "-1"},
      {"set", Rom(), "1", "item-destination", "256"},
      {"set", Rom(), "1", "item-destination", "-1"},
      {"set", Rom(), "1", "enemy2-destination", "12a"},
      {"set", Rom(), "1", "enemy4-destination", "+5"},
      {"set", Rom(), "1", "palette1", "256"},
      {"set", Rom(), "1", "palette2", "0x10"},
      {"set", Rom(), "1", "message", "SEVENTEEN LETTERS"},
      {"set", Rom(), "1", "message", "lower"},
      {"export-map", Rom(), "1"},
      {"import-tpie", Rom(), "200", Path("a.tpie")},
      {"ips", Rom(), Rom()},
      {"apply-bps", Rom()},
  };
  for (const auto& call : calls) {
    SCOPED_TRACE(call.size() > 3 ? call[0] + " " + call[3] + " " + call.back() : call[0]);
    ExpectUsageError(RunCli(call));
  }
  EXPECT_EQ(RomBytes(), before);
}

TEST_F(CliUsageOfCommands, TheCountOfArgumentsIsSaidInGoodWords) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"info"}, "quelbrook: info: expected 1 argument, got 0"},
      {{"info", Rom(), "extra"}, "quelbrook: info: expected 1 argument, got 2"},
      {{"show", Rom()}, "quelbrook: show: expected 2 arguments, got 1"},
      {{"apply-bps", Rom(), "a", "b"}, "quelbrook: apply-bps: expected 2 arguments, got 3"},
  };
  for (const auto& [call, message] : cases) {
    const auto run = RunCli(call);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), message);
  }
}

TEST_F(CliUsageOfCommands, AMessageOutsideTheAlphabetGetsTheWindowsText) {
  WriteRom(RomBuilder().DistinctScreens());
  const auto run = RunCli({"set", Rom(), "3", "message", "HI there"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("The screen message cannot be saved: the character 't' at position 4 is not in the "
                         "game's alphabet"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace quelbrook::testing
