; Power-up: clear the machine, upload the tiles, put the ending routine into PRG RAM,
; read the start screen and show it; then walk.
.include "hardware.inc"
.include "memory.inc"

; A start-screen byte of 90..217 names no screen: the game starts on screen 1.
DEFAULT_START_INDEX = 0
START_BYTE_FIRST_UNUSED = 90
START_BYTE_LAST_UNUSED = 217

.segment "CODE"

.proc Main
  lda #0
  sta PPUCTRL
  sta PPUMASK
  bit PPUSTATUS
wait1:
  bit PPUSTATUS
  bpl wait1
  jsr ClearRam
wait2:
  bit PPUSTATUS
  bpl wait2
  jsr UploadChr
  jsr CopyEnding
  jsr ReadStartScreen
  sta screenIndex
  lda #(HERO_MAX_X / 2) & $FE
  sta heroX
  lda #(PLAYFIELD_TOP + 96 - 8)
  sta heroY
  lda #1
  sta ppuBusy
  jsr EnterScreen
  lda #CTRL_NMI_ON
  sta PPUCTRL
loop:
  jsr WaitFrame
  jsr ReadPad
  jsr MoveHero
  jsr PlaceHero
  jmp loop
.endproc

.proc ClearRam          ; all but the stack page, which holds our return address
  lda #0
  tax
next:
  sta $00,x
  sta $0300,x
  sta $0400,x
  sta $0500,x
  sta $0600,x
  sta $0700,x
  dex
  bne next
  lda #$FF              ; every sprite below the picture
next_sprite:
  sta oamBuffer,x
  inx
  bne next_sprite
  rts
.endproc

; Both pattern tables, 8 KiB, from the art bank.
.proc UploadChr
  lda #BANK_ART
  jsr SetUpperBank
  lda #0
  sta PPUADDR
  sta PPUADDR
  lda #<BgChr
  sta temp
  lda #>BgChr
  sta temp + 1
  ldx #32               ; pages of 256 bytes
  ldy #0
next:
  lda (temp),y
  sta PPUDATA
  iny
  bne next
  inc temp + 1
  dex
  bne next
  lda #BANK_WORLD
  jmp SetUpperBank
.endproc

.proc CopyEnding
  ldx #0
next:
  lda __ENDING_LOAD__,x
  sta __ENDING_RUN__,x
  inx
  cpx #<__ENDING_SIZE__
  bne next
  rts
.endproc

; The byte holds start screen S as (S - 39) mod 256; returns S - 1.
.proc ReadStartScreen
  lda #START_BYTE_BANK
  jsr SetUpperBank
  lda StartScreenByte
  pha
  lda #BANK_WORLD
  jsr SetUpperBank
  pla
  cmp #START_BYTE_FIRST_UNUSED
  bcc known
  cmp #START_BYTE_LAST_UNUSED + 1
  bcs known
  lda #DEFAULT_START_INDEX
  rts
known:
  clc
  adc #38
  rts
.endproc
