; Leaving the screen. The four three-byte instructions that store the new index sit at
; the file offsets where the editor's end-screen save puts its subroutine calls (506,
; 543, 581, 617: $81EA, $820F, $8235, $8259). The call's block does the same store and
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
; the rows of the world join end to end. Where there is no neighbour the hero stops.
.proc LeaveUp
  lda screenIndex
  cmp #WORLD_COLUMNS
  bcc blocked
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
SitesStart:
SiteUp:                 ; file offset 506, new index in A
  tax
  stx screenIndex
  jmp EnterScreen
  .res SitesStart + 37 - *
SiteDown:               ; file offset 543, new index in A
  tax
  stx screenIndex
  jmp EnterScreen
  .res SitesStart + 75 - *
SiteLeft:               ; file offset 581, old index in X
  dex
  stx screenIndex
  jmp EnterScreen
  .res SitesStart + 111 - *
SiteRight:              ; file offset 617, old index in X
  inx
  stx screenIndex
  jmp EnterScreen

.assert SiteUp = $81EA, error, "up site must be at file offset 506"
.assert SiteDown = $820F, error, "down site must be at file offset 543"
.assert SiteLeft = $8235, error, "left site must be at file offset 581"
.assert SiteRight = $8259, error, "right site must be at file offset 617"
