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
  lda heroShown
  bne shown
  lda #$FF
  sta oamBuffer
  sta oamBuffer + 4
  sta oamBuffer + 8
  sta oamBuffer + 12
  rts
shown:
  ldx #0
  ldy #0
next:
  lda heroY
  clc
  adc HeroRowOffset,y
  sta oamBuffer,x
  tya
  sta oamBuffer + 1,x   ; tiles 0..3
  lda #0
  sta oamBuffer + 2,x
  lda heroX
  clc
  adc HeroColumnOffset,y
  sta oamBuffer + 3,x
  inx
  inx
  inx
  inx
  iny
  cpy #4
  bne next
  rts
.endproc

; A sprite shows one line below its Y byte.
HeroRowOffset:    .byte $FF, $FF, 7, 7
HeroColumnOffset: .byte 0, 8, 0, 8
