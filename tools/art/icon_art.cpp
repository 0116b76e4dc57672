#include "icon_art.h"

#include "palette.h"
#include "sprite.h"

namespace quelbrook::art {

Canvas DrawIcon() {
  return FinishSprite(DesignFromText({"................",  //
                                      "................",  //
                                      ".ffffffffffff...",  //
                                      ".fssssssssssf...",  //
                                      ".fswwwssssssf.ee",  //
                                      ".fssssssbbbsf.ee",  //
                                      ".fssssssbmbsfii.",  //
                                      ".fssssssssssyy..",  //
                                      ".fsscssssssyy...",  //
                                      ".fssssssssyyf...",  //
                                      ".fgggggssyygf...",  //
                                      ".fdddddappddf...",  //
                                      ".fdddddlaaddf...",  //
                                      ".ffffffffffff...",  //
                                      "................",  //
                                      "................"},
                                     {{'f', kCastleWall},
                                      {'s', {92, 148, 252}},
                                      {'w', kWhite},
                                      {'b', kBrick},
                                      {'m', kMortar},
                                      {'c', kGold},
                                      {'g', kGrass},
                                      {'d', kDirt},
                                      {'a', kWater},
                                      {'y', {236, 180, 30}},
                                      {'p', kWood},
                                      {'l', {60, 60, 68}},
                                      {'e', {240, 120, 150}},
                                      {'i', kIron}}));
}

}  // namespace quelbrook::art
