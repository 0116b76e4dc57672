; The end of the game. The end-screen block that the editor writes has put the ending
; text into name table rows 12..15, darkened $0105/$0106 and waited for a vertical
; blank; then it jumps here, to $7F00 in PRG RAM, where power-up copied this code.
; Everything but the text is cleared, and the game stays on it.
.include "hardware.inc"
.include "memory.inc"

TEXT_FIRST = NAME_TABLE + $100 + ENDING_CURSOR_START + 1
TEXT_END = TEXT_FIRST + ENDING_TEXT_LENGTH
TEXT_PALETTE = $55      ; every quadrant in palette 1
TEXT_COLOUR = $30       ; white on black

.segment "ENDING"

.proc Ending
  lda PPUSTATUS
  lda #>NAME_TABLE
  sta PPUADDR
  lda #<NAME_TABLE
  sta PPUADDR
  ldx #<(TEXT_FIRST - NAME_TABLE)
  ldy #>(TEXT_FIRST - NAME_TABLE)
  jsr Blank
  lda #>TEXT_END
  sta PPUADDR
  lda #<TEXT_END
  sta PPUADDR
  ldx #<(ATTRIBUTE_TABLE - TEXT_END)
  ldy #>(ATTRIBUTE_TABLE - TEXT_END)
  jsr Blank
  ldx #64
  lda #TEXT_PALETTE
attributes:
  sta PPUDATA
  dex
  bne attributes
  lda #$0F
  sta paletteBuffer
  sta paletteBuffer + 16
  lda #TEXT_COLOUR
  sta paletteBuffer + 7
  lda #>PALETTE_RAM
  sta PPUADDR
  ldx #<PALETTE_RAM
  stx PPUADDR
colours:
  lda paletteBuffer,x
  sta PPUDATA
  inx
  cpx #32
  bne colours
  lda #$FF
sprites:
  sta oamBuffer,x       ; X wraps from 32 over the whole page
  inx
  bne sprites
  stx OAMADDR
  lda #>oamBuffer
  sta OAMDMA
  jsr WaitFrame         ; bank 0 stays mapped at $8000
  lda #0
  sta PPUSCROLL
  sta PPUSCROLL
  lda #CTRL_NMI_ON
  sta PPUCTRL
  lda #MASK_SHOW_BG
  sta PPUMASK
forever:
  jmp forever

; Writes Y * 256 + X spaces.
Blank:
  lda #0
  inx
  iny
next:
  dex
  bne write
  dey
  beq done
write:
  sta PPUDATA
  jmp next
done:
  rts
.endproc
