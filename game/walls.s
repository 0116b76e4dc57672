; Walls: the hero's box may not overlap a cell whose tile code is solid. The table is
; written from the editor's own list (tools/tile_codes/solid_tiles.h), so the README's
; rule, the demo world's design and the game agree.
.include "memory.inc"

.segment "CODE"

SolidTiles:
  .incbin "solid_tiles.bin"     ; one byte a code, non-zero: solid
SolidTilesEnd:
.assert SolidTilesEnd - SolidTiles = TILE_CODE_COUNT, error, "the wall table needs one byte a tile code"
.assert HERO_SIZE <= 32, error, "a box no larger than a cell overlaps only the cells of its corners"

; In: tileCodes points at a screen's 48 codes, boxLeft and boxTop place a 16 x 16 box
; inside the play field. Out: carry set when the box overlaps a solid cell.
.proc BoxBlocked
  ldx boxTop
  jsr LineBlocked
  bcs done
  lda boxTop
  clc
  adc #HERO_SIZE - 1
  tax
  jsr LineBlocked
done:
  rts
.endproc

; X = frame line: carry set when the box's left or right end on it lies on a solid cell.
.proc LineBlocked
  lda boxLeft
  jsr PointBlocked
  bcs done
  lda boxLeft
  clc
  adc #HERO_SIZE - 1
  jsr PointBlocked
done:
  rts
.endproc

; A = pixel column, X = frame line (kept). Out: carry set when that point's cell is solid.
.proc PointBlocked
  lsr                   ; cells are 32 pixels wide
  lsr
  lsr
  lsr
  lsr
  sta cellColumn
  txa
  sec
  sbc #PLAYFIELD_TOP
  lsr                   ; ... and 32 lines high
  lsr
  lsr
  lsr
  lsr
  asl                   ; row * GRID_COLUMNS
  asl
  asl
  ora cellColumn
  tay
  lda (tileCodes),y
  cmp #TILE_CODE_COUNT  ; the backdrop's codes never stop the hero
  bcs open
  tay
  lda SolidTiles,y
  beq open
  sec
  rts
open:
  clc
  rts
.endproc
.assert GRID_COLUMNS = 8, error, "PointBlocked multiplies the row by 8"

; A = index of the screen to enter, X and Y = left and top of the hero there.
; Out: carry set when the hero would stand in a wall, so it stays where it is.
.proc LandingBlocked
  stx boxLeft
  sty boxTop
  jsr PointAtRecord
  lda recordPointer
  clc
  adc #REC_TILES
  sta tileCodes
  lda recordPointer + 1
  adc #0
  sta tileCodes + 1
  jmp BoxBlocked
.endproc
