; Draws the screen whose index is in screenIndex while the picture is off: its
; record is copied to RAM, then the name table, attributes, palettes and objects are
; written from the art bank's tables.
.include "hardware.inc"
.include "memory.inc"

.segment "CODE"

.proc DrawScreen
  jsr CopyRecord
  lda #BANK_ART
  jsr SetUpperBank
  jsr FillPalettes
  jsr WriteNameTable
  jsr FillQuadrants
  jsr WriteAttributes
  jsr WritePalettes
  jsr PlaceObjects
  lda #BANK_WORLD
  jmp SetUpperBank
.endproc

.proc CopyRecord
  lda screenIndex
  jsr PointAtRecord
  ldy #RECORD_LENGTH - 1
copy:
  lda (recordPointer),y
  sta record,y
  dey
  bpl copy
  rts
.endproc

; recordPointer := ScreenRecords + RECORD_LENGTH * A, the record of screen index A in the
; world bank.
.proc PointAtRecord
  sta temp2
  lda #<ScreenRecords
  sta recordPointer
  lda #>ScreenRecords
  sta recordPointer + 1
  ldx #RECORD_LENGTH      ; add the index that many times: short and plain
add:
  lda recordPointer
  clc
  adc temp2
  sta recordPointer
  bcc no_carry
  inc recordPointer + 1
no_carry:
  dex
  bne add
  rts
.endproc

; Background colours by palette 1 (16 looks), the hero's by palette 2.
.proc FillPalettes
  lda record + REC_PALETTE1
  and #$0F
  asl
  asl
  asl
  asl
  tax
  ldy #0
look:
  lda Looks,x
  sta paletteBuffer,y
  inx
  iny
  cpy #16
  bne look
  ldx #0
sprites:
  lda SpritePalettes,x
  sta paletteBuffer + 16,x
  inx
  cpx #16
  bne sprites
  lda record + REC_PALETTE2
  and #$0F
  asl
  asl
  tax
  ldy #1
hero:
  lda HeroPalettes + 1,x  ; colours 1..3; 0 is transparent
  sta paletteBuffer + 16,y
  inx
  iny
  cpy #4
  bne hero
  rts
.endproc

.proc WritePalettes
  lda paletteBuffer      ; PALETTE_RAM + 16 mirrors the backdrop
  sta paletteBuffer + 16
  lda PPUSTATUS
  lda #>PALETTE_RAM
  sta PPUADDR
  lda #<PALETTE_RAM
  sta PPUADDR
  tax
next:
  lda paletteBuffer,x
  sta PPUDATA
  inx
  cpx #32
  bne next
  rts
.endproc

.proc WriteBlankTiles    ; X tiles of the space
  lda #0
next:
  sta PPUDATA
  dex
  bne next
  rts
.endproc

.proc WriteNameTable
  lda PPUSTATUS
  lda #>NAME_TABLE
  sta PPUADDR
  lda #<NAME_TABLE
  sta PPUADDR
  ldx #PLAYFIELD_ROW * 32
  jsr WriteBlankTiles
  lda #0
  sta rowCounter        ; 0..23: tile rows of the play field
row:
  lda rowCounter
  and #3
  asl
  asl
  sta subRow            ; offset of this row inside a tile's 4 x 4
  lda rowCounter
  lsr
  lsr
  asl
  asl
  asl
  sta cellCounter       ; first cell of this row of cells
  ldx #GRID_COLUMNS
cell:
  stx temp2
  ldy cellCounter
  lda record + REC_TILES,y
  pha                   ; TileCells + code * 16 + subRow
  asl
  asl
  asl
  asl
  ora subRow
  sta temp
  pla
  lsr
  lsr
  lsr
  lsr
  clc
  adc #>TileCells
  sta temp + 1
  ldy #0
four:
  lda (temp),y
  sta PPUDATA
  iny
  cpy #4
  bne four
  inc cellCounter
  ldx temp2
  dex
  bne cell
  inc rowCounter
  lda rowCounter
  cmp #24
  bne row
  ldx #32 + MESSAGE_COLUMN   ; row 26 and the start of the message row
  jsr WriteBlankTiles
  ldy #0
message:
  lda record + REC_MESSAGE,y
  jsr FontTile
  sta PPUDATA
  iny
  cpy #MESSAGE_LENGTH
  bne message
  ldx #32 - MESSAGE_COLUMN - MESSAGE_LENGTH + 64
  jmp WriteBlankTiles
.endproc

; The font's tiles sit at the character codes; a byte outside the alphabet shows a space.
.proc FontTile
  cmp #$30
  bcc space
  cmp #$5F
  bcs space
  rts
space:
  lda #0
  rts
.endproc

; quadrants[row * 16 + column]: the palette of each 16 x 16 block of the frame.
.proc FillQuadrants
  lda #0
  tax
clear:
  sta quadrants,x
  inx
  bne clear
  ldy #0                ; cell 0..47
cell:
  lda record + REC_TILES,y
  tax
  lda TileAttributes,x
  sta temp2
  ; first quadrant: row 1 + 2 * (cell / 8), column 2 * (cell mod 8)
  tya
  and #$38              ; (cell / 8) * 8
  asl
  asl                   ; * 32 = two quadrant rows per cell row
  sta temp
  tya
  and #7
  asl
  ora temp
  clc
  adc #16 * (PLAYFIELD_TOP / 16)
  tax
  lda temp2
  and #3
  sta quadrants,x
  lda temp2
  lsr
  lsr
  sta temp2
  and #3
  sta quadrants + 1,x
  lda temp2
  lsr
  lsr
  sta temp2
  and #3
  sta quadrants + 16,x
  lda temp2
  lsr
  lsr
  sta quadrants + 17,x
  iny
  cpy #TILE_COUNT
  bne cell
  rts
.endproc

; Each attribute byte covers 2 x 2 quadrants: bits 0-1 top left, 2-3 top right,
; 4-5 bottom left, 6-7 bottom right.
.proc WriteAttributes
  lda PPUSTATUS
  lda #>ATTRIBUTE_TABLE
  sta PPUADDR
  lda #<ATTRIBUTE_TABLE
  sta PPUADDR
  ldy #0
next:
  tya                   ; quadrant index: (y / 8) * 32 + (y mod 8) * 2
  and #$38
  asl
  asl
  sta temp
  tya
  and #7
  asl
  ora temp
  tax
  lda quadrants + 17,x
  asl
  asl
  ora quadrants + 16,x
  asl
  asl
  ora quadrants + 1,x
  asl
  asl
  ora quadrants,x
  sta PPUDATA
  iny
  cpy #64
  bne next
  rts
.endproc
