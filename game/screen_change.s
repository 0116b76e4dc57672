; Leaving the screen. The four three-byte instructions that store the new index sit at
; the file offsets where the editor's end-screen save puts its subroutine calls (the
; byte map's call sites; game.cfg starts SITES at the first). The call's block does the same store and
; returns, unless the screen entered is the end screen. Rendering is off by then,
; because the block writes the ending text to the name table.
.include "hardware.inc"
.include "memory.inc"

.segment "CODE"

; Waits for a vertical blank, then turns the picture off for the redraw.
.proc BeginScreenChange
  jsr WaitFrame
  lda #1
  sta ppuBusy
  lda #0
  sta PPUMASK
  lda #ENDING_CURSOR_START
  sta endingCursor
  rts
.endproc

; Screens N - 16 and N + 16 exist only within 1..128; N - 1 and N + 1 likewise, so
; the rows of the world join end to end. Where there is no neighbour, or where the hero
; would stand in a wall of the neighbour, the hero stops.
.proc LeaveUp
  lda screenIndex
  cmp #WORLD_COLUMNS
  bcc blocked
  sbc #WORLD_COLUMNS    ; the carry is set
  ldx heroX
  ldy #HERO_MAX_Y
  jsr LandingBlocked
  bcs blocked
  lda #HERO_MAX_Y
  sta heroY
  jsr BeginScreenChange
  lda screenIndex
  sec
  sbc #WORLD_COLUMNS
  jmp SiteUp
blocked:
  rts
.endproc

.proc LeaveDown
  lda screenIndex
  cmp #SCREEN_COUNT - WORLD_COLUMNS
  bcs blocked
  adc #WORLD_COLUMNS    ; the carry is clear
  ldx heroX
  ldy #PLAYFIELD_TOP
  jsr LandingBlocked
  bcs blocked
  lda #PLAYFIELD_TOP
  sta heroY
  jsr BeginScreenChange
  lda screenIndex
  clc
  adc #WORLD_COLUMNS
  jmp SiteDown
blocked:
  rts
.endproc

.proc LeaveLeft
  lda screenIndex
  beq blocked
  sec
  sbc #1
  ldx #HERO_MAX_X
  ldy heroY
  jsr LandingBlocked
  bcs blocked
  lda #HERO_MAX_X
  sta heroX
  jsr BeginScreenChange
  ldx screenIndex
  jmp SiteLeft
blocked:
  rts
.endproc

.proc LeaveRight
  lda screenIndex
  cmp #SCREEN_COUNT - 1
  bcs blocked
  adc #1                ; the carry is clear
  ldx #0
  ldy heroY
  jsr LandingBlocked
  bcs blocked
  lda #0
  sta heroX
  jsr BeginScreenChange
  ldx screenIndex
  jmp SiteRight
blocked:
  rts
.endproc

; The new screen is in screenIndex: draw it and let the NMI show it again.
.proc EnterScreen
  jsr DrawScreen
  jsr PlaceHero
  lda #MASK_SHOW_ALL
  sta maskShadow
  lda #0
  sta ppuBusy
  rts
.endproc

.segment "SITES"
SiteUp:                 ; file offset 506, new index in A
  tax
  stx screenIndex
  jmp EnterScreen
  .res SiteUp + END_CALL_SITE_B2 - END_CALL_SITE_B1 - *
SiteDown:               ; file offset 543, new index in A
  tax
  stx screenIndex
  jmp EnterScreen
  .res SiteUp + END_CALL_SITE_C - END_CALL_SITE_B1 - *
SiteLeft:               ; file offset 581, old index in X
  dex
  stx screenIndex
  jmp EnterScreen
  .res SiteUp + END_SCREEN_HOOK - END_CALL_SITE_B1 - *
SiteRight:              ; file offset 617, old index in X
  inx
  stx screenIndex
  jmp EnterScreen

.assert SiteUp = END_CALL_SITE_B1, error, "up site off the byte map"
.assert SiteDown = END_CALL_SITE_B2, error, "down site off the byte map"
.assert SiteLeft = END_CALL_SITE_C, error, "left site off the byte map"
.assert SiteRight = END_SCREEN_HOOK, error, "right site off the byte map"
