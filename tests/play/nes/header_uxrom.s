; iNES header of a cartridge laid out as the game's: mapper 2 (UxROM), eight 16 KiB program
; banks (131088 bytes with the header, the game's size), tile pictures in RAM.
.segment "HEADER"
  .byte "NES", $1A
  .byte 8          ; 16 KiB program banks
  .byte 0          ; no tile picture banks: the program writes them into RAM
  .byte $20        ; mapper 2 (low nibble in the top four bits), horizontal mirroring
  .byte $00
  .res 8, $00
