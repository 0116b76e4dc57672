#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "data_folder.h"
#include "licence_notice.h"

namespace quelbrook {

namespace {
// Where the pictures and the demo ROM are for this program.
QString DataFolderText() {
  const auto installed = InstalledDataFolder(ProgramFolder());
  return installed ? QString::fromStdString(installed->string()) : "the folder it is started in";
}

void AddRomArgument(QCommandLineParser& parser) {
  parser.addPositionalArgument(
      "ROM", "The cartridge image (.nes) to open, a path from the folder the editor is started in.", "[ROM]");
}

QString FilesText() {
  const QString folder = DataFolderText();
  return "\nThe window finds its pictures in the graph/, items/, enemyes/ and info/ folders of\n" + folder +
         ".\nThe demo ROM is Quelbrook.nes there: copy it to a folder of your own before editing it.\n";
}
}  // namespace

std::optional<int> AnswerInformationOptions(int argc, char** argv) {
  // Without any option there is nothing to answer, and no application to make before the window's.
  if (std::none_of(argv + 1, argv + argc, [](const char* argument) { return argument[0] == '-'; }))
    return std::nullopt;
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName("quelbrook-editor");
  QCoreApplication::setApplicationVersion(QUELBROOK_VERSION);
  QCommandLineParser parser;
  parser.setApplicationDescription("Edits the 128 screens of the cartridge image Quelbrook.nes.");
  const QCommandLineOption help({"h", "help"},
                                "Print this help and where the pictures and the demo ROM are.");
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  AddRomArgument(parser);
  // Options the window's toolkit reads (-platform, -style ...) are no error here.
  parser.parse(QCoreApplication::arguments());
  QString text;
  if (parser.isSet(version))
    text = QStringLiteral("quelbrook-editor " QUELBROOK_VERSION "\n") + kLicenceNotice + '\n';
  else if (parser.isSet(help))
    text = parser.helpText() + FilesText();
  else
    return std::nullopt;
  std::fputs(text.toLocal8Bit().constData(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

QString RomArgument(const QStringList& arguments) {
  QCommandLineParser parser;
  AddRomArgument(parser);
  parser.parse(arguments);
  const QStringList named = parser.positionalArguments();
  if (named.isEmpty()) return {};
  if (named.size() > 1)
    std::fprintf(stderr, "quelbrook-editor: opens one ROM at a time, here %s\n", qPrintable(named[0]));
  // Made absolute now: the installed program moves to the folder of its pictures.
  return QFileInfo(named[0]).absoluteFilePath();
}

QString PictureFolderAtStart() {
  const auto installed = InstalledDataFolder(ProgramFolder());
  return installed ? QString::fromStdString(installed->string()) : QDir::currentPath();
}

void EnterInstalledDataFolder() { QDir::setCurrent(PictureFolderAtStart()); }

}  // namespace quelbrook
