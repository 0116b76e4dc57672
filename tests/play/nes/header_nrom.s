; iNES header of the palette probe: mapper 0 (NROM), one 16 KiB program bank, one 8 KiB bank
; of tile pictures (all blank), horizontal mirroring.
.segment "HEADER"
  .byte "NES", $1A
  .byte 1          ; 16 KiB program banks
  .byte 1          ; 8 KiB tile picture banks
  .byte $00        ; mapper 0, horizontal mirroring, no battery, no trainer
  .byte $00
  .res 8, $00
