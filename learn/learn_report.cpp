#include "learn_report.h"

#include <QDir>
#include <sstream>
#include <vector>

#include "byte_map.h"
#include "count_text.h"
#include "hex_text.h"
#include "item_catalogue.h"

namespace quelbrook::learn {

namespace {

constexpr const char* kOriginLabel = "Play field origin: ";

constexpr std::size_t kScreensNamed = 5;

// "1-3, 5, 9-2F": runs of consecutive codes in hexadecimal.
std::string CodeRuns(const std::vector<int>& codes) {
  std::string text;
  for (std::size_t i = 0; i < codes.size();) {
    std::size_t last = i;
    while (last + 1 < codes.size() && codes[last + 1] == codes[last] + 1) ++last;
    text += (text.empty() ? "" : ", ") + IntToHexText(codes[i]);
    if (last > i) text += "-" + IntToHexText(codes[last]);
    i = last + 1;
  }
  return text;
}

struct Kind {
  const char* one;
  const char* many;
  const std::map<int, LearnedPicture>& learned;
  int codesWithPictures;  // the codes the editor has pictures for: 0 up to this
};

void ListOtherLooks(std::ostream& out, const Kind& kind) {
  for (const auto& [code, picture] : kind.learned) {
    const std::vector<int>& screens = picture.otherLooks;
    if (screens.empty()) continue;
    out << "  " << kind.one << " " << IntToHexText(code) << ": on " << CountText(screens.size(), "screen")
        << " of " << picture.screens << " (";
    for (std::size_t i = 0; i < screens.size() && i < kScreensNamed; ++i)
      out << (i ? ", " : "") << screens[i];
    if (screens.size() > kScreensNamed) out << " and " << screens.size() - kScreensNamed << " more";
    out << ")\n";
  }
}

}  // namespace

std::string LearnReportText(const QString& romPath, QPoint origin, std::optional<double> fit,
                            const LearnedPictures& learned) {
  const Kind kinds[] = {{"tile", "tiles", learned.tiles, kTilePictureCount},
                        {"item", "items", learned.items, kItemKindCount},
                        {"enemy", "enemies", learned.enemies, kEnemyKindCount}};
  std::ostringstream out;
  out << "Learned " << CountText(learned.tiles.size(), "tile") << ", "
      << CountText(learned.items.size(), "item") << " and "
      << CountText(learned.enemies.size(), "enemy", "enemies") << " from "
      << QDir::toNativeSeparators(romPath).toStdString() << ".\n";
  out << kOriginLabel << origin.x() << "," << origin.y();
  if (fit)
    out << " (found; " << static_cast<int>(*fit * 1000 + 0.5) / 10.0 << "% of cells agree)\n";
  else
    out << " (given)\n";

  std::ostringstream otherLooks;
  for (const Kind& kind : kinds) ListOtherLooks(otherLooks, kind);
  if (!otherLooks.str().empty())
    out << "Looked different on some screens; the picture most screens show was kept:\n" << otherLooks.str();

  std::vector<std::string> unseen;
  for (const Kind& kind : kinds) {
    std::vector<int> codes;
    for (int code = 0; code < kind.codesWithPictures; ++code)
      if (!kind.learned.count(code)) codes.push_back(code);
    if (!codes.empty()) unseen.push_back(std::string(kind.many) + " " + CodeRuns(codes));
  }
  if (!unseen.empty()) {
    out << "Shown on no screen, so not learned:";
    for (std::size_t i = 0; i < unseen.size(); ++i) out << (i ? "; " : " ") << unseen[i];
    out << ".\n";
  }
  return out.str();
}

std::optional<QPoint> OriginInReport(const std::string& text) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(kOriginLabel, 0) != 0) continue;
    int x = 0, y = 0;
    char comma = 0;
    std::istringstream numbers(line.substr(std::char_traits<char>::length(kOriginLabel)));
    if (numbers >> x >> comma >> y && comma == ',' && x >= 0 && y >= 0) return QPoint(x, y);
  }
  return std::nullopt;
}

}  // namespace quelbrook::learn
