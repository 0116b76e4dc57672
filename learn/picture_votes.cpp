#include "picture_votes.h"

#include <QRect>
#include <algorithm>
#include <cstdint>
#include <set>
#include <unordered_map>

#include "screen_rendering.h"

namespace quelbrook::learn {

namespace {

using Hash = std::uint64_t;
constexpr Hash kFnvStart = 1469598103934665603ull;
constexpr Hash kFnvPrime = 1099511628211ull;

Hash Mix(Hash hash, Hash value) { return (hash ^ value) * kFnvPrime; }

Hash RegionHash(const QImage& frame, const QRect& rect) {
  Hash hash = kFnvStart;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
    for (int x = rect.left(); x <= rect.right(); ++x) hash = Mix(hash, line[x]);
  }
  return hash;
}

struct Object {
  int kind;
  QRect rect;  // in the frame
};

// The item first, then the enemies, as the game stacks them.
std::vector<Object> VisibleObjects(const ScreenData& screen, QPoint origin, bool item) {
  std::vector<Object> objects;
  auto add = [&](int kind, int destination) {
    if (auto corner = RenderedMarkerCorner(destination))
      objects.push_back({kind, QRect(origin + *corner, QSize(kMarkerPixels, kMarkerPixels))});
  };
  if (item)
    add(screen.itemCode, screen.itemDestination);
  else
    for (int enemy = 0; enemy < kEnemyCount; ++enemy)
      add(screen.enemyKinds[enemy], screen.enemyDestinations[enemy]);
  return objects;
}

template <typename Key>
Key MostFrequent(const std::vector<Key>& keys) {
  std::map<Key, int> counts;
  Key best = keys.front();
  for (const Key& key : keys)
    if (++counts[key] > counts[best]) best = key;
  return best;
}

struct Sighting {
  int screen;  // index into the frames
  Hash hash;
  QRect cell;
};

LearnedPicture LearnTile(const std::vector<ScreenFrames>& frames, const std::vector<Sighting>& sightings) {
  std::vector<Hash> hashes;
  for (const Sighting& sighting : sightings) hashes.push_back(sighting.hash);
  const Hash chosen = MostFrequent(hashes);
  LearnedPicture learned;
  for (const Sighting& sighting : sightings) {
    if (sighting.hash != chosen)
      learned.otherLooks.push_back(sighting.screen + 1);
    else if (learned.picture.isNull())
      learned.picture = frames[static_cast<std::size_t>(sighting.screen)].bare.Unpacked().copy(sighting.cell);
  }
  learned.otherLooks.erase(std::unique(learned.otherLooks.begin(), learned.otherLooks.end()),
                           learned.otherLooks.end());
  std::set<int> screens;
  for (const Sighting& sighting : sightings) screens.insert(sighting.screen);
  learned.screens = static_cast<int>(screens.size());
  return learned;
}

// Per pixel of one object kind: the colours it showed where they differ from the tiles, and
// those where the tile beneath showed the same.
struct ObjectVotes {
  std::array<std::vector<QRgb>, kMarkerPixels * kMarkerPixels> pixels, beneath;
  std::vector<std::pair<int, std::vector<std::pair<int, QRgb>>>> sightings;  // screen, (pixel, colour)
};

std::map<int, LearnedPicture> LearnObjects(const std::vector<ScreenFrames>& frames, const Screens& screens,
                                           QPoint origin, QRgb backdrop, bool item) {
  std::map<int, ObjectVotes> votes;
  for (std::size_t s = 0; s < frames.size(); ++s) {
    if (frames[s].shown.isNull()) continue;
    const QImage shownFrame = frames[s].shown.Unpacked(), bareFrame = frames[s].bare.Unpacked();
    for (const Object& object : VisibleObjects(screens[s], origin, item)) {
      ObjectVotes& kind = votes[object.kind];
      std::vector<std::pair<int, QRgb>> shown;
      for (int y = 0; y < kMarkerPixels; ++y)
        for (int x = 0; x < kMarkerPixels; ++x) {
          const QPoint at = object.rect.topLeft() + QPoint(x, y);
          const QRgb colour = shownFrame.pixel(at);
          if (colour == bareFrame.pixel(at)) {
            kind.beneath[static_cast<std::size_t>(y * kMarkerPixels + x)].push_back(colour);
            continue;
          }
          kind.pixels[static_cast<std::size_t>(y * kMarkerPixels + x)].push_back(colour);
          shown.emplace_back(y * kMarkerPixels + x, colour);
        }
      kind.sightings.emplace_back(static_cast<int>(s) + 1, std::move(shown));
    }
  }
  std::map<int, LearnedPicture> learned;
  for (const auto& [kind, kindVotes] : votes) {
    QImage picture(kMarkerPixels, kMarkerPixels, QImage::Format_RGB32);
    bool anyShown = false;
    for (int i = 0; i < kMarkerPixels * kMarkerPixels; ++i) {
      const auto& colours = kindVotes.pixels[static_cast<std::size_t>(i)];
      const auto& beneath = kindVotes.beneath[static_cast<std::size_t>(i)];
      anyShown = anyShown || !colours.empty();
      // Always the tile's colour: transparent if that colour changed, else it may be the
      // object's own.
      const bool oneColour =
          std::all_of(beneath.begin(), beneath.end(), [&](QRgb c) { return c == beneath.front(); });
      const QRgb colour = !colours.empty() ? MostFrequent(colours) : oneColour ? beneath.front() : backdrop;
      picture.setPixel(i % kMarkerPixels, i / kMarkerPixels, colour);
    }
    if (!anyShown) continue;
    LearnedPicture& entry = learned[kind];
    entry.picture = picture.scaled(kTilePixels, kTilePixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    std::set<int> screens;
    for (const auto& sighting : kindVotes.sightings) screens.insert(sighting.first);
    entry.screens = static_cast<int>(screens.size());
    for (const auto& [screen, shown] : kindVotes.sightings)
      if (std::any_of(shown.begin(), shown.end(), [&](const auto& pixel) {
            return picture.pixel(pixel.first % kMarkerPixels, pixel.first / kMarkerPixels) != pixel.second;
          }))
        entry.otherLooks.push_back(screen);
    entry.otherLooks.erase(std::unique(entry.otherLooks.begin(), entry.otherLooks.end()),
                           entry.otherLooks.end());
  }
  return learned;
}

}  // namespace

QRect CellInFrame(QPoint origin, int cell) {
  return QRect(origin.x() + cell % kGridColumns * kTilePixels, origin.y() + cell / kGridColumns * kTilePixels,
               kTilePixels, kTilePixels);
}

OriginFit FindPlayFieldOrigin(const std::vector<PackedFrame>& frames, const Screens& screens) {
  OriginFit best;
  if (frames.empty()) return best;
  const int spareX = frames.front().size().width() - kScreenPixelWidth;
  const int spareY = frames.front().size().height() - kScreenPixelHeight;
  for (int x = 0; x <= spareX; ++x) {
    // A cell's hash is made of the hashes of its rows, each worked out once for all offsets.
    std::vector<std::vector<Hash>> rowHashes;  // per frame: line * kGridColumns + column
    for (const PackedFrame& packed : frames) {
      const QImage frame = packed.Unpacked();
      std::vector<Hash>& rows = rowHashes.emplace_back();
      for (int line = 0; line < frame.height(); ++line)
        for (int column = 0; column < kGridColumns; ++column)
          rows.push_back(RegionHash(frame, QRect(x + column * kTilePixels, line, kTilePixels, 1)));
    }
    for (int y = 0; y <= spareY; ++y) {
      std::map<int, std::unordered_map<Hash, int>> counts;
      for (std::size_t s = 0; s < frames.size(); ++s)
        for (int cell = 0; cell < kTileCount; ++cell) {
          Hash hash = kFnvStart;
          const int top = y + cell / kGridColumns * kTilePixels;
          for (int line = top; line < top + kTilePixels; ++line)
            hash =
                Mix(hash, rowHashes[s][static_cast<std::size_t>(line * kGridColumns + cell % kGridColumns)]);
          ++counts[screens[s].tiles[cell]][hash];
        }
      int agreeing = 0;
      for (const auto& [code, looks] : counts) {
        int most = 0;
        for (const auto& [hash, count] : looks) most = std::max(most, count);
        agreeing += most;
      }
      const double fit = static_cast<double>(agreeing) / static_cast<double>(frames.size() * kTileCount);
      if (fit > best.fit) best = {QPoint(x, y), fit};
    }
  }
  return best;
}

QRgb BackdropColour(const std::vector<PackedFrame>& frames, QPoint origin) {
  std::map<QRgb, long> counts;
  for (const PackedFrame& packed : frames) {
    const QImage frame = packed.Unpacked();
    const QRect field(origin, QSize(kScreenPixelWidth, kScreenPixelHeight));
    for (int y = 0; y < frame.height(); ++y)
      for (int x = 0; x < frame.width(); ++x)
        if (!field.contains(x, y)) ++counts[frame.pixel(x, y)];
  }
  QRgb best = qRgb(0, 0, 0);
  long most = 0;
  for (const auto& [colour, count] : counts)
    if (count > most) std::tie(best, most) = std::pair(colour, count);
  return best;
}

bool ShowsAnObject(const ScreenData& screen) {
  return !VisibleObjects(screen, {}, true).empty() || !VisibleObjects(screen, {}, false).empty();
}

LearnedPictures VotePictures(const std::vector<ScreenFrames>& frames, const Screens& screens, QPoint origin,
                             QRgb backdrop) {
  LearnedPictures learned;
  std::map<int, std::vector<Sighting>> sightings;
  for (std::size_t s = 0; s < frames.size(); ++s) {
    const QImage bare = frames[s].bare.Unpacked();
    for (int cell = 0; cell < kTileCount; ++cell) {
      const QRect rect = CellInFrame(origin, cell);
      sightings[screens[s].tiles[cell]].push_back({static_cast<int>(s), RegionHash(bare, rect), rect});
    }
  }
  for (const auto& [code, seen] : sightings) learned.tiles[code] = LearnTile(frames, seen);
  learned.items = LearnObjects(frames, screens, origin, backdrop, true);
  learned.enemies = LearnObjects(frames, screens, origin, backdrop, false);
  return learned;
}

}  // namespace quelbrook::learn
