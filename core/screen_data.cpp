#include "screen_data.h"

#include "text_codec.h"

namespace quelbrook {

ScreenData DecodeScreenRecord(const RecordBytes& bytes) {
  ScreenData screen;
  for (int i = 0; i < kTileCount; ++i) screen.tiles[i] = bytes[kRecordTiles + i];
  screen.itemCode = bytes[kRecordItem];
  screen.itemDestination = bytes[kRecordItemDestination];
  screen.message =
      DecodeText({bytes.begin() + kRecordMessage, bytes.begin() + kRecordMessage + kMessageLength});
  for (int i = 0; i < kEnemyCount; ++i) {
    screen.enemyKinds[i] = bytes[kRecordEnemyKinds + i];
    screen.enemyDestinations[i] = bytes[kRecordEnemyDestinations + i];
  }
  screen.palette1 = bytes[kRecordPalette1];
  screen.palette2 = bytes[kRecordPalette2];
  return screen;
}

RecordBytes EncodeScreenRecord(const ScreenData& screen) {
  RequireEncodable("screen message", screen.message.substr(0, kMessageLength));
  const auto message = EncodeText(screen.message, kMessageLength);
  RecordBytes bytes{};
  for (int i = 0; i < kTileCount; ++i) bytes[kRecordTiles + i] = screen.tiles[i];
  bytes[kRecordItem] = screen.itemCode;
  bytes[kRecordItemDestination] = screen.itemDestination;
  for (int i = 0; i < kMessageLength; ++i) bytes[kRecordMessage + i] = (*message)[i];
  for (int i = 0; i < kEnemyCount; ++i) {
    bytes[kRecordEnemyKinds + i] = screen.enemyKinds[i];
    bytes[kRecordEnemyDestinations + i] = screen.enemyDestinations[i];
  }
  bytes[kRecordPalette1] = screen.palette1;
  bytes[kRecordPalette2] = screen.palette2;
  return bytes;
}

}  // namespace quelbrook
