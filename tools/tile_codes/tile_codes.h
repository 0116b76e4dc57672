#pragma once
// Names for the tile codes that the demo world and the title scene place. Codes
// are row * 16 + column of the palette that the picture generator draws.

#include <cstdint>

namespace quelbrook::tiles {

using Code = std::uint8_t;

constexpr Code kStars = 0x01;
constexpr Code kMoon = 0x03;

constexpr Code kGrassGround = 0x20;
constexpr Code kGrassLedge = 0x28;
constexpr Code kFlowers = 0x2D;
constexpr Code kBush = 0x2E;

constexpr Code kStone = 0x40;
constexpr Code kStoneLedge = 0x49;
constexpr Code kCrackedStone = 0x4C;

constexpr Code kWaterSurface = 0x50;
constexpr Code kDeepWater = 0x51;
constexpr Code kLavaSurface = 0x5C;

constexpr Code kCaveRock = 0x60;
constexpr Code kCaveCeiling = 0x61;
constexpr Code kCaveFloor = 0x62;
constexpr Code kCaveLedge = 0x67;
constexpr Code kStalactites = 0x68;
constexpr Code kCrystals = 0x6A;
constexpr Code kGlowingMushrooms = 0x6B;
constexpr Code kBonePile = 0x6F;

constexpr Code kTrunk = 0x70;
constexpr Code kTrunkRoots = 0x72;
constexpr Code kCanopyMiddle = 0x74;
constexpr Code kStump = 0x7A;
constexpr Code kPineTop = 0x7B;
constexpr Code kPineLow = 0x7C;

constexpr Code kCastleWall = 0x80;
constexpr Code kBattlement = 0x81;
constexpr Code kLitWindow = 0x82;
constexpr Code kBanner = 0x87;
constexpr Code kCheckerFloor = 0x88;
constexpr Code kThrone = 0x8A;
constexpr Code kWallTorch = 0x8B;
constexpr Code kRoofLeft = 0x8D;
constexpr Code kRoofRight = 0x8E;
constexpr Code kPortcullis = 0x8F;

constexpr Code kDoorTop = 0x90;
constexpr Code kDoorBottom = 0x91;
constexpr Code kLadderTop = 0x94;
constexpr Code kLadder = 0x95;
constexpr Code kSpikesUp = 0x98;
constexpr Code kBridgePlanks = 0x9C;

constexpr Code kChest = 0xA0;
constexpr Code kBarrel = 0xA1;
constexpr Code kStandingTorch = 0xA4;
constexpr Code kSkull = 0xA6;
constexpr Code kSignpost = 0xA7;
constexpr Code kGravestone = 0xA9;

}  // namespace quelbrook::tiles
