#include "item_art.h"

#include <stdexcept>

#include "palette.h"
#include "shapes.h"
#include "sprite.h"

namespace quelbrook::art {

namespace {

// An empty slot: a faint dashed ring that still marks where the item would be.
Canvas NoItem() {
  Canvas design = DesignFromText({"................",  //
                                  "................",  //
                                  ".....g.gg.g.....",  //
                                  "...g........g...",  //
                                  "................",  //
                                  "..g..........g..",  //
                                  "................",  //
                                  "..g..........g..",  //
                                  "..g..........g..",  //
                                  "................",  //
                                  "..g..........g..",  //
                                  "................",  //
                                  "...g........g...",  //
                                  ".....g.gg.g.....",  //
                                  "................",  //
                                  "................"},
                                 {{'g', {70, 76, 120}}});
  return FinishSprite(design, false);
}

Canvas LifeSphere() {
  return FinishSprite(
      DesignFromText({"................",  //
                      ".....dddddd.....",  //
                      "...ddrrrrrrdd...",  //
                      "..drrwwrrrrrrd..",  //
                      "..drwwrrrrrrrd..",  //
                      ".drrwrhhrhhrrrd.",  //
                      ".drrrhhhhhhhrrd.",  //
                      ".drrrrhhhhhrrrd.",  //
                      ".drrrrrhhhrrrrd.",  //
                      ".drrrrrrhrrrrrd.",  //
                      ".ddrrrrrrrrrrdd.",  //
                      "..ddrrrrrrrrdd..",  //
                      "...ddrrrrrrdd...",  //
                      ".....dddddd.....",  //
                      "................",  //
                      "................"},
                     {{'r', {226, 34, 66}}, {'d', {140, 14, 46}}, {'w', kWhite}, {'h', {255, 196, 214}}}));
}

Canvas MagicMissile() {
  return FinishSprite(
      DesignFromText({"................",  //
                      "..y.............",  //
                      ".yyy............",  //
                      "..y.............",  //
                      "................",  //
                      ".........bbb....",  //
                      "....cc..bcwwb...",  //
                      ".cc.cccbcwwwwb..",  //
                      "..ccccccwwwwwb..",  //
                      ".cc.cccbcwwwwb..",  //
                      "....cc..bcwwb...",  //
                      ".........bbb....",  //
                      "................",  //
                      "................",  //
                      "................",  //
                      "................"},
                     {{'b', {60, 100, 255}}, {'c', {110, 220, 255}}, {'w', {232, 250, 255}}, {'y', kGold}}));
}

Canvas Thunder() {
  return FinishSprite(DesignFromText({"................",  //
                                      "........yyyyy...",  //
                                      ".......ywwyy....",  //
                                      "......ywwyy.....",  //
                                      ".....ywwyy......",  //
                                      "....ywwyyyyyy...",  //
                                      "...yyyyywwyy....",  //
                                      ".......ywwy.....",  //
                                      "......ywwy......",  //
                                      ".....ywwyyyy....",  //
                                      "....yyyywwy.....",  //
                                      ".......ywy......",  //
                                      "......yy........",  //
                                      ".....y..........",  //
                                      "................",  //
                                      "................"},
                                     {{'y', {255, 204, 30}}, {'w', {255, 255, 200}}}));
}

Canvas PrismCube() {
  return FinishSprite(DesignFromText({"................",  //
                                      ".......tt.......",  //
                                      ".....ttwwtt.....",  //
                                      "...ttttwwtttt...",  //
                                      ".tttttttttttttt.",  //
                                      ".mmmttttttttccc.",  //
                                      ".mmmmmttttccccc.",  //
                                      ".mmmmmmmccccccc.",  //
                                      ".mmyymmmccccccc.",  //
                                      ".mmmmyymcccgccc.",  //
                                      ".mmmmmmmcccccgc.",  //
                                      "..mmmmmmcccccc..",  //
                                      "....mmmmcccc....",  //
                                      "......mmcc......",  //
                                      "................",  //
                                      "................"},
                                     {{'t', {214, 244, 255}},
                                      {'w', kWhite},
                                      {'m', {220, 60, 200}},
                                      {'c', {50, 170, 255}},
                                      {'y', {255, 240, 90}},
                                      {'g', {120, 255, 160}}}));
}

Canvas SpectralBridge() {
  return FinishSprite(
      DesignFromText({"................",  //
                      "................",  //
                      "..w..........w..",  //
                      "................",  //
                      ".....cccccc.....",  //
                      "...cccbcbcccc...",  //
                      "..ccbc....cbcc..",  //
                      ".ccb...w....bcc.",  //
                      ".cb..........bc.",  //
                      ".c............c.",  //
                      ".p............p.",  //
                      ".p....w.......p.",  //
                      ".p............p.",  //
                      "pp............pp",  //
                      "................",  //
                      "................"},
                     {{'c', {150, 236, 255}}, {'b', {70, 140, 220}}, {'p', {110, 170, 230}}, {'w', kWhite}}));
}

Canvas UpArrowDesign(Rgb arrow, Rgb light) {
  return DesignFromText({"................",  //
                         ".......gg.......",  //
                         "......gllg......",  //
                         ".....gllllg.....",  //
                         "....gllllllg....",  //
                         "...ggggllgggg...",  //
                         "......gllg......",  //
                         "......gllg......",  //
                         "ww....gllg....ww",  //
                         ".www..gllg..www.",  //
                         "..wwwwgllgwwww..",  //
                         "...wwwgllgwww...",  //
                         "....wwggggww....",  //
                         ".....ww..ww.....",  //
                         "................",  //
                         "................"},
                        {{'g', arrow}, {'l', light}, {'w', {236, 240, 255}}});
}

Canvas TriCaster() {
  return FinishSprite(DesignFromText({"................",  //
                                      "....yyy...rrr...",  //
                                      "....ywy...rwr...",  //
                                      "....yyy...rrr...",  //
                                      ".....y....r.....",  //
                                      "......y..r...b..",  //
                                      "............bbb.",  //
                                      "........s..bbwb.",  //
                                      ".......sws..bbb.",  //
                                      "......tst.......",  //
                                      ".....tt.........",  //
                                      "....tt..........",  //
                                      "...tt...........",  //
                                      "..tt............",  //
                                      ".tt.............",  //
                                      "................"},
                                     {{'y', kGold},
                                      {'r', {255, 70, 60}},
                                      {'b', {80, 150, 255}},
                                      {'w', kWhite},
                                      {'s', {255, 250, 180}},
                                      {'t', {150, 90, 40}}}));
}

Canvas WingedBoot() {
  return FinishSprite(DesignFromText({"................",  //
                                      "................",  //
                                      ".......oooo.....",  //
                                      ".www...oloo.....",  //
                                      "wwww...oloo.....",  //
                                      ".wwwww.oloo.....",  //
                                      "..wwwwwoloo.....",  //
                                      ".......oloo.....",  //
                                      ".......oloo.....",  //
                                      ".......olloooo..",  //
                                      "cc.....oooooooo.",  //
                                      ".......oooooooo.",  //
                                      "ccc....dddddddd.",  //
                                      "................",  //
                                      "................",  //
                                      "................"},
                                     {{'o', {204, 112, 40}},
                                      {'l', {244, 176, 96}},
                                      {'d', {96, 54, 30}},
                                      {'w', {240, 240, 255}},
                                      {'c', {110, 220, 255}}}));
}

// Rings of the portal drawn inwards, each a little lighter.
Canvas Teleportation() {
  Canvas design(kSpriteGrid, kSpriteGrid, kNightSky);
  const Rgb rings[] = {{110, 30, 170}, {200, 70, 230}, {120, 40, 190}, {230, 130, 255}, {250, 220, 255}};
  int radius = 7;
  for (const Rgb& ring : rings) FillDisc(design, 8, 8, radius--, ring);
  design.Set(8, 8, kWhite);
  const int sparks[][2] = {{1, 1}, {14, 2}, {2, 14}, {13, 14}};
  for (const auto& spark : sparks) design.Set(spark[0], spark[1], {255, 240, 140});
  return FinishSprite(design);
}

Canvas BossTrap() {
  Canvas design(kSpriteGrid, kSpriteGrid, kNightSky);
  DrawRing(design, 8, 8, 8, 6, {230, 30, 30});
  Overlay(design,
          DesignFromText(
              {"................",  //
               ".h............h.",  //
               ".hh..wwwwww..hh.",  //
               "..hhwwwwwwwwhh..",  //
               "..wwwwwwwwwwww..",  //
               "..wwwwwwwwwwww..",  //
               "..wwkkkwwkkkww..",  //
               "..wwkrkwwkrkww..",  //
               "..wwkkkwwkkkww..",  //
               "..wwwwwkkwwwww..",  //
               "...wwwwwwwwww...",  //
               "....wkwkwkwk....",  //
               "....wwwwwwww....",  //
               "................",  //
               "................",  //
               "................"},
              {{'h', {250, 170, 60}}, {'w', {240, 232, 210}}, {'k', {40, 10, 20}}, {'r', {255, 40, 40}}}));
  return FinishSprite(design);
}

}  // namespace

Canvas DrawItem(int code) {
  switch (code) {
    case 0:
      return NoItem();
    case 1:
      return LifeSphere();
    case 2:
      return MagicMissile();
    case 3:
      return Thunder();
    case 4:
      return PrismCube();
    case 5:
      return SpectralBridge();
    case 6:
      return FinishSprite(UpArrowDesign({70, 210, 110}, {190, 255, 200}));
    case 7:
      return FinishSprite(RotateClockwise(UpArrowDesign({250, 140, 40}, {255, 220, 150})));
    case 8:
      return TriCaster();
    case 9:
      return WingedBoot();
    case 10:
      return Teleportation();
    case 11:
      return BossTrap();
    default:
      throw std::out_of_range("no item kind " + std::to_string(code));
  }
}

}  // namespace quelbrook::art
