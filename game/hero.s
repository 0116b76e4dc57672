; The hero: 16 x 16 pixels, two pixels a frame, no walls. It steps in at the first
; press, so that the opening picture shows the screen as the editor draws it.
.include "hardware.inc"
.include "memory.inc"

.segment "CODE"

.proc MoveHero
  lda padState
  and #PAD_UP | PAD_DOWN | PAD_LEFT | PAD_RIGHT
  beq done
  sta heroShown
  lda padState
  and #PAD_RIGHT
  beq not_right
  lda heroX
  cmp #HERO_MAX_X
  bcc step_right
  jmp LeaveRight
step_right:
  adc #HERO_SPEED
  sta heroX
not_right:
  lda padState
  and #PAD_LEFT
  beq not_left
  lda heroX
  bne step_left
  jmp LeaveLeft
step_left:
  sec
  sbc #HERO_SPEED
  sta heroX
not_left:
  lda padState
  and #PAD_DOWN
  beq not_down
  lda heroY
  cmp #HERO_MAX_Y
  bcc step_down
  jmp LeaveDown
step_down:
  adc #HERO_SPEED
  sta heroY
not_down:
  lda padState
  and #PAD_UP
  beq done
  lda heroY
  cmp #PLAYFIELD_TOP + 1
  bcs step_up
  jmp LeaveUp
step_up:
  sec
  sbc #HERO_SPEED
  sta heroY
done:
  rts
.endproc

; Sprites 0..3, in front of every object.
.proc PlaceHero
  ldx #0
  lda heroShown
  bne shown
  jmp HideObject
shown:
  stx spriteTile        ; tiles 0..3, sprite palette 0
  stx spritePalette
  lda heroX
  sta spriteLeft
  lda heroY
  sta spriteTop
  jmp PutFourSprites
.endproc
