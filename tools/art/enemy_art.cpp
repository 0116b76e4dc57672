#include "enemy_art.h"

#include <stdexcept>
#include <string_view>
#include <vector>

#include "palette.h"
#include "sprite.h"

namespace quelbrook::art {

namespace {

struct EnemyDesign {
  std::vector<std::string_view> rows;
  std::vector<Ink> inks;
};

// Each creature keeps a colour of its own so that markers can be told apart.
const EnemyDesign& DesignOf(int kind) {
  static const EnemyDesign kDesigns[kEnemyPictureCount] = {
      // Bat.
      {{"................",  //
        "................",  //
        "................",  //
        ".d....p..p....d.",  //
        ".dd...pppp...dd.",  //
        ".ddd.pppppp.ddd.",  //
        ".ddddprpprpdddd.",  //
        ".dddddppppddddd.",  //
        "..dddppwwppddd..",  //
        "..dd.dppppd.dd..",  //
        "..d...dppd...d..",  //
        "......d..d......",  //
        "................",  //
        "................",  //
        "................",  //
        "................"},
       {{'p', {150, 70, 210}}, {'d', {90, 30, 140}}, {'r', {255, 60, 60}}, {'w', kWhite}}},
      // Slime.
      {{"................",  //
        "................",  //
        "................",  //
        "................",  //
        "......gggg......",  //
        "....gglggggg....",  //
        "...glllggggggg..",  //
        "...gllgggggggg..",  //
        "..ggwkggggwkggg.",  //
        "..ggkkggggkkggg.",  //
        "..ggggggggggggg.",  //
        "..gggdkkkkdgggg.",  //
        ".dgggggggggggggd",  //
        ".dddddddddddddd.",  //
        "................",  //
        "................"},
       {{'g', {70, 210, 60}}, {'l', {180, 255, 150}}, {'d', {30, 120, 40}}, {'k', kInk}, {'w', kWhite}}},
      // Skeleton.
      {{"................",  //
        ".....wwwww......",  //
        "....wwwwwww.....",  //
        "....wkkwkkw.....",  //
        "....wwwkwww.....",  //
        ".....wkwkw......",  //
        "......www.......",  //
        "...wwwwwwwww....",  //
        "..w.wswswsw.w...",  //
        "..w.wwwwwww.w...",  //
        "..w..wswsw..w...",  //
        "......www.......",  //
        ".....w...w......",  //
        ".....w...w......",  //
        "....ww...ww.....",  //
        "................"},
       {{'w', {236, 230, 210}}, {'s', {150, 140, 130}}, {'k', kInk}}},
      // Ghost.
      {{"................",  //
        "......cccc......",  //
        "....cccccccc....",  //
        "...cccccccccc...",  //
        "..cccccccccccc..",  //
        "..cckkcccckkcb..",  //
        "..cckkcccckkcb..",  //
        "..cccccccccccb..",  //
        "..ccccckkccccb..",  //
        "..ccccckkccccb..",  //
        ".ccccccccccccbb.",  //
        ".cccccccccccbbb.",  //
        ".cc.ccc.ccc.cbb.",  //
        ".c...c...c...b..",  //
        "................",  //
        "................"},
       {{'c', {214, 240, 255}}, {'b', {140, 180, 232}}, {'k', {30, 40, 90}}}},
      // Spider.
      {{"................",  //
        "................",  //
        "..l..........l..",  //
        "...l..gggg..l...",  //
        "l...lggggggl...l",  //
        ".l..lggggggl..l.",  //
        "..llbbbbbbbbll..",  //
        "....brrbbrrb....",  //
        "..llbbbbbbbbll..",  //
        ".l..lbbwwbbl..l.",  //
        "l..l..bbbb..l..l",  //
        "..l..........l..",  //
        "................",  //
        "................",  //
        "................",  //
        "................"},
       {{'g', {120, 110, 140}},
        {'b', {70, 56, 84}},
        {'l', {150, 130, 110}},
        {'r', {255, 40, 40}},
        {'w', kWhite}}},
      // Knight.
      {{"................",  //
        ".......rr.......",  //
        "......rrrr......",  //
        ".....ssssss.....",  //
        "....ssssssss....",  //
        "....skkkkkks....",  //
        "....ssssssss....",  //
        ".....dssssd.....",  //
        "..bb.ssssss..w..",  //
        ".bbbbssssss..w..",  //
        ".byybsyyyys..w..",  //
        ".bbbbssssssyyyy.",  //
        "..bb.ss..ss.....",  //
        ".....dd..dd.....",  //
        "................",  //
        "................"},
       {{'s', {176, 186, 206}},
        {'d', {90, 100, 130}},
        {'r', {230, 40, 50}},
        {'k', kInk},
        {'b', {50, 80, 200}},
        {'y', kGold},
        {'w', kWhite}}},
      // Snake.
      {{"................",  //
        "................",  //
        "...yyyy.........",  //
        "..yykyyy........",  //
        "rryyyyyy........",  //
        "r..yyyyy........",  //
        ".....yyo........",  //
        ".....oyyo.......",  //
        "......yyoyyoyy..",  //
        ".......oyyoyyoy.",  //
        "............yyo.",  //
        "....oyyoyyoyyoy.",  //
        "..yyoyyoyyoyyo..",  //
        ".yy.............",  //
        "................",  //
        "................"},
       {{'y', {230, 210, 40}}, {'o', {220, 110, 30}}, {'k', kInk}, {'r', {255, 60, 80}}}},
      // Fire imp.
      {{"................",  //
        "...h.......h....",  //
        "...hh.....hh....",  //
        "....rrrrrrr.....",  //
        "...rrrrrrrrr....",  //
        "...ryyrrryyr....",  //
        "...rrrrrrrrr....",  //
        "...rrwkwkwrr....",  //
        "....rrrrrrr.....",  //
        "..rr.rrrrr.rr...",  //
        ".rr..rrrrr..rr..",  //
        ".....rrdrr......",  //
        ".....rr.rr....dd",  //
        "....dd...dd.dd..",  //
        "................",  //
        "................"},
       {{'r', {224, 46, 30}},
        {'d', {130, 20, 20}},
        {'y', {255, 230, 60}},
        {'h', {250, 210, 130}},
        {'w', kWhite},
        {'k', kInk}}},
      // Floating eye.
      {{"................",  //
        "................",  //
        ".....wwwwww.....",  //
        "...wwwwwwwwww...",  //
        "..wwrwwwwwwrww..",  //
        "..wwwwbbbbwwww..",  //
        ".wwrwbbbbbbwrww.",  //
        ".wwwbbkkkkbbwww.",  //
        ".wwwbbkkkkbbwww.",  //
        ".wrwwbbbbbbwwrw.",  //
        "..wwwwbbbbwwww..",  //
        "..wwrwwwwwwrww..",  //
        "...wwwwwwwwww...",  //
        ".....wwwwww.....",  //
        "................",  //
        "................"},
       {{'w', {244, 240, 236}}, {'b', {40, 150, 230}}, {'k', kInk}, {'r', {230, 50, 60}}}},
      // Wizard.
      {{"................",  //
        ".......bb.......",  //
        "......bbby......",  //
        ".....bbbbbb.....",  //
        "....bbybbbbb....",  //
        "..bbbbbbbbbbbb..",  //
        "....sksssks.yy..",  //
        "....swwwwws.yy..",  //
        "...bbwwwwwbb.t..",  //
        "..bbbbwwwbbbbt..",  //
        "..bbbbbwbbbbbt..",  //
        "..bbbbbbbbbbbt..",  //
        ".bbbbbbbbbbbbt..",  //
        ".bbbbbbbbbbbbt..",  //
        "................",  //
        "................"},
       {{'b', {60, 80, 220}},
        {'y', kGold},
        {'s', {250, 200, 160}},
        {'w', kWhite},
        {'k', kInk},
        {'t', {150, 90, 40}}}},
      // Walking mushroom.
      {{"................",  //
        "................",  //
        ".....rrrrrr.....",  //
        "...rrwwrrrrrr...",  //
        "..rrwwwrrrwwrr..",  //
        ".rrrrwrrrrwwrrr.",  //
        ".rwwrrrrrrrwwrr.",  //
        ".rrrrrrrrrrrrrr.",  //
        "...wwwwwwwwww...",  //
        "....wkwwwwkw....",  //
        "....wkwwwwkw....",  //
        "....wwwkkwww....",  //
        "....wwwwwwww....",  //
        "...ff......ff...",  //
        "................",  //
        "................"},
       {{'r', {224, 40, 56}}, {'w', {244, 234, 214}}, {'k', kInk}, {'f', {120, 70, 40}}}},
      // Rat.
      {{"................",  //
        "................",  //
        "................",  //
        "................",  //
        "................",  //
        "...pp...........",  //
        "..pbbb..........",  //
        ".bkbbbbbbbb.....",  //
        "pbbbbbbbbbbbb..p",  //
        ".lbbbbbbbbbbbb.p",  //
        "..lllllllbbbbbp.",  //
        "...b.b...b.b..p.",  //
        "................",  //
        "................",  //
        "................",  //
        "................"},
       {{'b', {140, 100, 70}}, {'l', {206, 170, 130}}, {'p', {244, 150, 170}}, {'k', kInk}}},
      // Biting fish.
      {{"................",  //
        "................",  //
        "................",  //
        "......ff........",  //
        ".....ffff.......",  //
        "...oooooooo....f",  //
        "..okwooooooo..ff",  //
        ".oooooooooooooff",  //
        ".kwkwoooooooofff",  //
        ".wkwyyyyyyyyooff",  //
        "..yyyyyyyyyo..ff",  //
        "...oooooooo....f",  //
        ".....ff.........",  //
        "................",  //
        "................",  //
        "................"},
       {{'o', {250, 140, 40}}, {'y', {255, 220, 120}}, {'f', {210, 50, 40}}, {'k', kInk}, {'w', kWhite}}},
      // Stone golem.
      {{"................",  //
        "....llllllll....",  //
        "...lggggggggd...",  //
        "...gccggggccd...",  //
        "...ggggggggdd...",  //
        "...gdddddddgd...",  //
        ".llgggggggggggd.",  //
        "lggdgggmgggdggdd",  //
        "lgd.gggggggg.gdd",  //
        "lgd.gmggggdg.gdd",  //
        "ggd.gggggggg.ddd",  //
        ".dd.ggggdggg.dd.",  //
        "....gggd.ggd....",  //
        "...dddd..dddd...",  //
        "................",  //
        "................"},
       {{'g', {156, 146, 124}},
        {'d', {96, 86, 74}},
        {'l', {206, 196, 176}},
        {'c', {80, 255, 240}},
        {'m', {90, 170, 70}}}},
      // Wasp.
      {{"................",  //
        "................",  //
        "................",  //
        ".......ww.ww....",  //
        "......wwwwwww...",  //
        ".......wwwww....",  //
        "..yyyyykkyykky..",  //
        ".ykyyyykkyykkyy.",  //
        ".yyyyyykkyykkyys",  //
        "..yyyyykkyykky..",  //
        "...k.k..k.k.....",  //
        "................",  //
        "................",  //
        "................",  //
        "................",  //
        "................"},
       {{'y', {250, 214, 40}}, {'k', {50, 36, 20}}, {'w', {200, 232, 255}}, {'s', {240, 240, 240}}}},
      // Dragon.
      {{"................",  //
        "..........h.....",  //
        ".........hh..h..",  //
        ".......tttthh...",  //
        ".....tttttttt...",  //
        "...ttttytttttt..",  //
        ".tttttttttttttd.",  //
        "tktttttttttttdd.",  //
        "twtwtw.ttttttdd.",  //
        "rrr....tttttddd.",  //
        "twtwtw.tttttddd.",  //
        ".ttttttttttddd..",  //
        "......ddddddd...",  //
        ".......ddddddd..",  //
        "................",  //
        "................"},
       {{'t', {40, 186, 170}},
        {'d', {20, 104, 104}},
        {'y', {255, 230, 40}},
        {'k', kInk},
        {'w', kWhite},
        {'r', {255, 110, 30}},
        {'h', {232, 222, 180}}}},
  };
  if (kind < 0 || kind >= kEnemyPictureCount)
    throw std::out_of_range("no enemy kind " + std::to_string(kind));
  return kDesigns[kind];
}

}  // namespace

Canvas DrawEnemy(int kind) {
  const EnemyDesign& design = DesignOf(kind);
  return FinishSprite(DesignFromText(design.rows, design.inks));
}

}  // namespace quelbrook::art
