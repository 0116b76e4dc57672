; The hero: 16 x 16 pixels, two pixels a frame, stopped by solid tiles (walls.s). It
; steps in at the first press, so that the opening picture shows the screen as the
; editor draws it.
.include "hardware.inc"
.include "memory.inc"

.segment "CODE"

.proc MoveHero
  lda padState
  and #PAD_UP | PAD_DOWN | PAD_LEFT | PAD_RIGHT
  bne pressed
  rts
pressed:
  sta heroShown
  jsr NoteHeroFree
  lda padState
  and #PAD_RIGHT
  beq not_right
  lda heroX
  cmp #HERO_MAX_X
  bcc step_right
  jmp LeaveRight
step_right:
  adc #HERO_SPEED
  jsr TryHeroX
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
  jsr TryHeroX
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
  jsr TryHeroY
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
  jsr TryHeroY
done:
  rts
.endproc

; A hero that starts inside a wall (a screen played from the editor may put it there)
; walks freely until it stands clear; from then on walls stop it.
.proc NoteHeroFree
  lda #<(record + REC_TILES)
  sta tileCodes
  lda #>(record + REC_TILES)
  sta tileCodes + 1
  lda heroX
  sta boxLeft
  lda heroY
  sta boxTop
  jsr BoxBlocked
  lda #0
  rol                   ; 1 when blocked
  eor #1
  sta heroFree
  rts
.endproc

; A = the hero's next left (TryHeroX) or top (TryHeroY); the step is taken unless it
; would enter a wall.
.proc TryHeroX
  sta boxLeft
  lda heroY
  sta boxTop
  jsr StepBlocked
  bcs stay
  lda boxLeft
  sta heroX
stay:
  rts
.endproc

.proc TryHeroY
  sta boxTop
  lda heroX
  sta boxLeft
  jsr StepBlocked
  bcs stay
  lda boxTop
  sta heroY
stay:
  rts
.endproc

.proc StepBlocked       ; carry set when walls stop the box at boxLeft, boxTop
  lda heroFree
  beq free
  jmp BoxBlocked
free:
  clc
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
