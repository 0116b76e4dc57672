; The regions that the editor writes, at the addresses its byte map gives, and the
; tail of every bank.
.include "hardware.inc"
.include "memory.inc"

.segment "END_BLOCKS"
  .res $BFCB - $A007    ; end-code blocks of screens 1..107: only the editor writes here

.segment "RECORDS"
ScreenRecords:
  .res SCREEN_COUNT * RECORD_LENGTH

.segment "ENDING_TEXT"
EndingTextBytes:
  .res 116

.segment "START_BYTE"
StartScreenByte:
  .res 1

.include "bank_tail.inc"
BANK_TAIL "TAIL1", "VECTORS1"
BANK_TAIL "TAIL2", "VECTORS2"
BANK_TAIL "TAIL3", "VECTORS3"
BANK_TAIL "TAIL4", "VECTORS4"
BANK_TAIL "TAIL5", "VECTORS5"
BANK_TAIL "TAIL6", "VECTORS6"
BANK_TAIL "TAIL7", "VECTORS7"
