#include "command.h"

namespace quelbrook::cli {

extern const Command kInfoCommand, kShowCommand, kSetCommand, kCopyScreenCommand, kSwapScreensCommand;
extern const Command kExportMapCommand, kImportMapCommand, kExportTpieCommand, kImportTpieCommand;
extern const Command kIpsCommand, kApplyIpsCommand, kBpsCommand, kApplyBpsCommand;
extern const Command kRenderCommand, kRenderWorldCommand, kExportTmxCommand, kImportTmxCommand, kPlayCommand;
extern const Command kLearnPicturesCommand, kRouteCommand;
extern const Command kTextconvCommand, kDiffCommand, kMergeCommand, kGitSetupCommand;
extern const Command kHistoryCommand, kRestoreCommand;

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands{
      kInfoCommand,      kShowCommand,      kSetCommand,        kCopyScreenCommand, kSwapScreensCommand,
      kExportMapCommand, kImportMapCommand, kExportTpieCommand, kImportTpieCommand, kIpsCommand,
      kApplyIpsCommand,  kBpsCommand,       kApplyBpsCommand,   kRenderCommand,     kRenderWorldCommand,
      kExportTmxCommand, kImportTmxCommand, kPlayCommand,       kRouteCommand,      kLearnPicturesCommand,
      kTextconvCommand,  kDiffCommand,      kMergeCommand,      kGitSetupCommand,   kHistoryCommand,
      kRestoreCommand,
  };
  return commands;
}

}  // namespace quelbrook::cli
