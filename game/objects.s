; The item and the enemies as sprites, and the four sprites of any 16 x 16 object.
.include "hardware.inc"
.include "memory.inc"

.segment "CODE"

; Sprites 4..23: enemy 4 first so that it is in front, the item last, as the editor
; stacks them. An object whose code has no picture, or whose destination is 192..254,
; is not shown; 255 stands at 0.
.proc PlaceObjects
  ldx #4 * 4
  ldy #ENEMY_COUNT - 1
enemy:
  lda record + REC_ENEMY_DEST,y
  sta objectDestination
  lda record + REC_ENEMIES,y
  cmp #16
  bcs enemy_hidden      ; kinds 16..255 have no picture
  ora #16
  jsr PlaceObject
  jmp enemy_next
enemy_hidden:
  jsr HideObject
enemy_next:
  dey
  bpl enemy
  lda record + REC_ITEM_DEST
  sta objectDestination
  lda record + REC_ITEM
  cmp #16
  bcs item_hidden
  jmp PlaceObject
item_hidden:
  jmp HideObject
.endproc

; A = object number (items 0..15, enemies 16..31), X = OAM offset, advanced by 16.
.proc PlaceObject
  sty savedY
  tay
  lda ObjectTiles,y
  cmp #$FF
  beq hidden
  sta spriteTile
  lda ObjectPalettes,y
  sta spritePalette
  ldy savedY
  lda objectDestination
  cmp #$FF
  bne placed
  lda #0
placed:
  cmp #192
  bcs HideObject
  pha
  and #$F0              ; row * 16
  clc
  adc #PLAYFIELD_TOP
  sta spriteTop
  pla
  asl                   ; column * 16
  asl
  asl
  asl
  sta spriteLeft
  jmp PutFourSprites
hidden:
  ldy savedY
  jmp HideObject
.endproc

.proc HideObject
  lda #$FF
  sta oamBuffer,x
  sta oamBuffer + 4,x
  sta oamBuffer + 8,x
  sta oamBuffer + 12,x
  txa
  clc
  adc #16
  tax
  rts
.endproc

; Tiles spriteTile + 0..3 (top left, top right, bottom left, bottom right) at
; spriteLeft, spriteTop; X = OAM offset, advanced by 16; Y is kept.
.proc PutFourSprites
  sty savedY
  ldy #0
next:
  lda spriteTop
  clc
  adc LineOffset,y
  sta oamBuffer,x
  tya
  clc
  adc spriteTile
  sta oamBuffer + 1,x
  lda spritePalette
  sta oamBuffer + 2,x
  lda spriteLeft
  clc
  adc ColumnOffset,y
  sta oamBuffer + 3,x
  inx
  inx
  inx
  inx
  iny
  cpy #4
  bne next
  ldy savedY
  rts
.endproc

; A sprite shows one line below its Y byte.
LineOffset:   .byte $FF, $FF, 7, 7
ColumnOffset: .byte 0, 8, 0, 8
