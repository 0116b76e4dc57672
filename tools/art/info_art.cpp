#include <initializer_list>
#include <string>

#include "palette.h"
#include "pixel_font.h"
#include "poster_art.h"
#include "poster_backdrop.h"
#include "shapes.h"
#include "tile_codes.h"

namespace quelbrook::art {

namespace {

constexpr Rgb kHeading{250, 200, 60};
constexpr Rgb kBody{226, 230, 246};
constexpr Rgb kNumber{140, 220, 255};
constexpr Rgb kStartMark{255, 90, 200};

constexpr int kWorldColumns = 16;
constexpr int kWorldRows = 8;
constexpr int kStartScreen = 55;

// The 16 x 8 world, one small cell a screen, shaded like the demo world's regions.
void WorldMap(Canvas& poster, int left, int top) {
  constexpr int kCell = 11;
  const Rgb regions[] = {{96, 104, 140}, {96, 104, 140}, {60, 150, 70},  {60, 150, 70},
                         {60, 150, 70},  {110, 80, 140}, {110, 80, 140}, {110, 80, 140}};
  for (int row = 0; row < kWorldRows; ++row)
    for (int column = 0; column < kWorldColumns; ++column) {
      const int screen = row * kWorldColumns + column + 1;
      const Rgb fill = screen == kStartScreen ? kStartMark : regions[row];
      poster.FillRect(left + column * kCell, top + row * kCell, kCell - 1, kCell - 1, fill);
    }
  DrawText(poster, left, top + kWorldRows * kCell + 3, "1", 1, kNumber);
  DrawText(poster, left + kWorldColumns * kCell - TextWidth("128", 1) - 1, top + kWorldRows * kCell + 3,
           "128", 1, kNumber);
  DrawText(poster, left + kWorldColumns * kCell + 4, top, "castle", 1, regions[0]);
  DrawText(poster, left + kWorldColumns * kCell + 4, top + 3 * kCell, "forest", 1, regions[2]);
  DrawText(poster, left + kWorldColumns * kCell + 4, top + 6 * kCell, "caves", 1, Shade(regions[5], 60));
}

void ArrowTo(Canvas& poster, int x0, int y0, int x1, int y1) {
  DrawLine(poster, x0, y0, x1, y1, kBody);
  DrawLine(poster, x0 + (x0 == x1), y0 + (y0 == y1), x1 + (x0 == x1), y1 + (y0 == y1), kBody);
  FillDisc(poster, x1, y1, 2, kBody);
}

void Box(Canvas& poster, int centreX, int centreY, const std::string& text, Rgb colour) {
  const int width = TextWidth(text, 2) + 10;
  poster.FillRect(centreX - width / 2, centreY - 10, width, 20, Shade(colour, -170));
  poster.Frame(centreX - width / 2, centreY - 10, width, 20, colour);
  DrawCentredText(poster, centreX, centreY - 7, text, 2, colour);
}

// Screen N in the middle, its four neighbours around it.
void NeighbourCross(Canvas& poster, int centreX, int centreY) {
  ArrowTo(poster, centreX, centreY - 11, centreX, centreY - 29);
  ArrowTo(poster, centreX, centreY + 11, centreX, centreY + 29);
  ArrowTo(poster, centreX - 16, centreY, centreX - 50, centreY);
  ArrowTo(poster, centreX + 16, centreY, centreX + 50, centreY);
  Box(poster, centreX, centreY, "N", kStartMark);
  Box(poster, centreX, centreY - 40, "N-16", kNumber);
  Box(poster, centreX, centreY + 40, "N+16", kNumber);
  Box(poster, centreX - 84, centreY, "N-1", kNumber);
  Box(poster, centreX + 84, centreY, "N+1", kNumber);
  DrawShadowedText(poster, centreX + 34, centreY - 44, "up", 1, kBody);
  DrawShadowedText(poster, centreX + 34, centreY + 36, "down", 1, kBody);
  DrawCentredText(poster, centreX - 84, centreY - 22, "left", 1, kBody);
  DrawCentredText(poster, centreX + 84, centreY - 22, "right", 1, kBody);
}

void Lines(Canvas& poster, int x, int y, std::initializer_list<const char*> lines, int step) {
  for (const char* line : lines) {
    DrawShadowedText(poster, x, y, line, 1, kBody);
    y += step;
  }
}

}  // namespace

Canvas DrawWorldGridInfo() {
  Canvas poster = PosterBackdrop();
  DrawShadowedText(poster, 10, 8, "The world: 16 x 8 screens", 2, kHeading);
  WorldMap(poster, 12, 30);
  Lines(poster, 12, 135, {"Screens 1-128. Start screen 55 (pink)."}, 10);
  NeighbourCross(poster, 400, 78);
  return poster;
}

Canvas DrawEditingInfo() {
  Canvas poster = PosterBackdrop();
  DrawShadowedText(poster, 10, 8, "How to edit a screen", 2, kHeading);
  const char* steps[] = {
      "1 Open ROM: choose Quelbrook.nes",     "2 Click a cell of the 8 x 6 screen",
      "3 Click a tile in the palette",        "4 Set message, palettes, item, enemies",
      "5 Save screen writes it into the ROM",
  };
  int y = 30;
  for (const char* step : steps) {
    DrawShadowedText(poster, 14, y, step, 2, kBody);
    DrawText(poster, 14, y, std::string(1, step[0]), 2, kNumber);
    y += 18;
  }
  Lines(poster, 14, 124,
        {"Export/Import map: one screen's tiles as a .map file",
         "Export/Import T/P/I/E: text, palettes, item, enemies as .tpie"},
        10);
  PlaceTile(poster, tiles::kChest, 480, 30);
  PlaceTile(poster, tiles::kSignpost, 480, 70);
  return poster;
}

}  // namespace quelbrook::art
