; The regions that the editor writes, at the addresses its byte map gives (game.cfg
; places them; the asserts hold game.cfg to the byte map), and the tail of every bank.
.include "hardware.inc"
.include "memory.inc"

.segment "END_BLOCKS"
EndBlocks:
  .res END_BLOCKS_END - END_BLOCKS_ADDRESS   ; blocks of the savable end screens: only the editor writes here

.segment "RECORDS"
ScreenRecords:
  .res SCREEN_COUNT * RECORD_LENGTH

.segment "ENDING_TEXT"
EndingTextBytes:
  .res ENDING_TEXT_LENGTH

.segment "START_BYTE"
StartScreenByte:
  .res 1

.assert EndBlocks = END_BLOCKS_ADDRESS && .bank(EndBlocks) = END_BLOCKS_BANK, error, "end-code blocks off the byte map"
.assert ScreenRecords = RECORDS_ADDRESS && .bank(ScreenRecords) = RECORDS_BANK, error, "records off the byte map"
.assert EndingTextBytes = ENDING_TEXT_ADDRESS && .bank(EndingTextBytes) = ENDING_TEXT_BANK, error, "ending text off the byte map"
.assert StartScreenByte = START_BYTE_ADDRESS && .bank(StartScreenByte) = START_BYTE_BANK, error, "start byte off the byte map"

.include "bank_tail.inc"
BANK_TAIL "TAIL1", "VECTORS1"
BANK_TAIL "TAIL2", "VECTORS2"
BANK_TAIL "TAIL3", "VECTORS3"
BANK_TAIL "TAIL4", "VECTORS4"
BANK_TAIL "TAIL5", "VECTORS5"
BANK_TAIL "TAIL6", "VECTORS6"
BANK_TAIL "TAIL7", "VECTORS7"
