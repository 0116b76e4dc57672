; The zero page. The end-screen block that the editor writes reads and writes three of its
; bytes by address, so those sit in segments of their own that game.cfg fixes; the linker
; places the rest.
.include "memory.inc"

.segment "ZP_FRAME_STATE": zeropage
frameState: .res 1
.segment "ZP_SCREEN_INDEX": zeropage
screenIndex: .res 1
.segment "ZP_ENDING_CURSOR": zeropage
endingCursor: .res 1

.assert frameState = $03, error, "the end-screen block waits on frameState at $03"
.assert screenIndex = $1F, error, "the end-screen block stores the screen index at $1F"
.assert endingCursor = $9E, error, "the end-screen block counts its writes at $9E"

.segment "ZEROPAGE"
temp: .res 2
temp2: .res 1
ppuBusy: .res 1
maskShadow: .res 1
padState: .res 1
heroShown: .res 1
heroX: .res 1
heroY: .res 1
rowCounter: .res 1
cellCounter: .res 1
subRow: .res 1
recordPointer: .res 2
spriteTile: .res 1
spritePalette: .res 1
spriteLeft: .res 1
spriteTop: .res 1
objectDestination: .res 1
savedY: .res 1
tileCodes: .res 2
boxLeft: .res 1
boxTop: .res 1
cellColumn: .res 1
heroFree: .res 1
