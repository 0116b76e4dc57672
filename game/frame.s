; The vertical-blank interrupt, the wait for it, the pad and the bank switch: small
; routines that sit in the fixed bank before the screen-change code.
.include "hardware.inc"
.include "memory.inc"

.segment "CODE0"

; A = 16 KiB bank to show at $C000. Bit 4 stays 0, which keeps the PRG RAM enabled.
.proc SetUpperBank
  sta MMC1_PRG
  lsr
  sta MMC1_PRG
  lsr
  sta MMC1_PRG
  lsr
  sta MMC1_PRG
  lsr
  sta MMC1_PRG
  rts
.endproc

; While a screen is drawn (or the ending is written) the PPU address belongs to that
; code, so the NMI only reports the frame.
.proc Nmi
  pha
  txa
  pha
  tya
  pha
  lda ppuBusy
  bne done
  lda #0
  sta OAMADDR
  lda #>oamBuffer
  sta OAMDMA
  lda #CTRL_NMI_ON
  sta PPUCTRL
  lda #0
  sta PPUSCROLL
  sta PPUSCROLL
  lda maskShadow
  sta PPUMASK
done:
  lda #FRAME_SEEN
  sta frameState
  pla
  tay
  pla
  tax
  pla
  rti
.endproc

.proc WaitFrame
  lda #0
  sta frameState
wait:
  lda frameState
  cmp #FRAME_SEEN
  bne wait
  rts
.endproc

.proc ReadPad
  lda #1
  sta JOYPAD1
  lda #0
  sta JOYPAD1
  ldx #8
next:
  lda JOYPAD1
  lsr
  rol padState
  dex
  bne next
  rts
.endproc
