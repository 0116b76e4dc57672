; Shows the 64 colour numbers one after another, each for 4 frames, over the whole screen:
; the tests read back what the core makes of every colour number.
.include "ppu.inc"

FRAMES_PER_COLOUR_SHIFT = 2   ; 4 frames per colour number, 256 frames in all

.segment "ZEROPAGE"
frame_count: .res 1

.segment "CODE"
reset:
  power_on
  lda #0
  sta frame_count
  ; Every tile picture is blank, so every pixel shows the backdrop colour.
  show_picture_and_wait

nmi:
  lda frame_count
  .repeat FRAMES_PER_COLOUR_SHIFT
    lsr a
  .endrepeat
  and #$3F
  tax
  set_ppu_address PALETTE_RAM   ; the backdrop colour
  stx PPUDATA
  reset_scroll
  inc frame_count
irq:
  rti

.segment "VECTORS"
  .word nmi, reset, irq
