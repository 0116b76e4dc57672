; The host's test program: diagonal bands of three colours as background and one 8 x 8 sprite
; that the pad moves one pixel per frame. A, B and Select show the sprite in another colour
; while held; Start puts it back where it started. The tests know every colour below, so each
; button's effect can be read from the picture.
.include "ppu.inc"
.import tile_pictures, TILE_PICTURES_SIZE

START_X = 124
START_Y = 116
SPRITE_TILE = 3

; Pad bits after reading them in the console's order: A, B, Select, Start, Up, Down, Left, Right.
BUTTON_A      = $80
BUTTON_B      = $40
BUTTON_SELECT = $20
BUTTON_START  = $10
BUTTON_UP     = $08
BUTTON_DOWN   = $04
BUTTON_LEFT   = $02
BUTTON_RIGHT  = $01

.segment "ZEROPAGE"
pad:        .res 1
sprite_x:   .res 1
sprite_y:   .res 1
band:       .res 1   ; the tile of the band being drawn

.segment "OAM"
oam: .res 256        ; copied to the sprite memory at every vertical blank

.segment "RODATA"
; Backdrop, then the background's palette 0, then the four sprite palettes. The first sprite
; entry repeats the backdrop: the console mirrors it there.
palettes:
  .byte $0F, $16, $2A, $12,  $0F, $00, $00, $00,  $0F, $00, $00, $00,  $0F, $00, $00, $00
  .byte $0F, $00, $00, $28,  $0F, $00, $00, $14,  $0F, $00, $00, $3B,  $0F, $00, $00, $27
PALETTE_SIZE = * - palettes

.segment "CODE"
reset:
  power_on
  jsr load_tile_pictures
  jsr load_palettes
  jsr draw_background
  jsr hide_sprites
  lda #START_X
  sta sprite_x
  lda #START_Y
  sta sprite_y
  jsr place_sprite
  reset_scroll
  show_picture_and_wait

; Pattern table 0, which the background and the sprites both use.
load_tile_pictures:
  set_ppu_address $0000
  ldx #0
@next:
  lda tile_pictures, x
  sta PPUDATA
  inx
  cpx #<TILE_PICTURES_SIZE  ; fewer than 256 bytes
  bne @next
  rts

load_palettes:
  set_ppu_address PALETTE_RAM
  ldx #0
@next:
  lda palettes, x
  sta PPUDATA
  inx
  cpx #PALETTE_SIZE
  bne @next
  rts

; Nametable 0 as diagonal bands 4 tiles wide: tile (column + row) / 4 mod 3 + 1, then its
; attribute table all palette 0.
draw_background:
  set_ppu_address NAME_TABLE
  ldy #0                ; row
@row:
  ldx #0                ; column
@column:
  stx band
  tya
  clc
  adc band              ; column + row
  lsr a
  lsr a
@mod3:
  cmp #3
  bcc @modded
  sbc #3                ; the carry is set here
  jmp @mod3
@modded:
  clc
  adc #1
  sta PPUDATA
  inx
  cpx #32
  bne @column
  iny
  cpy #30
  bne @row
  lda #0
  ldx #64
@attribute:
  sta PPUDATA
  dex
  bne @attribute
  rts

; Sprites at Y = $FF are below the picture.
hide_sprites:
  lda #$FF
  ldx #0
@next:
  sta oam, x
  inx
  bne @next
  rts

; Sprite 0 from the position and the held buttons. The sprite memory's Y is the line above
; the sprite's first line.
place_sprite:
  lda sprite_y
  sec
  sbc #1
  sta oam
  lda #SPRITE_TILE
  sta oam + 1
  lda #0                ; sprite palette 0 unless A, B or Select says otherwise
  bit pad
  bpl @not_a
  lda #1
@not_a:
  bvc @not_b
  lda #2
@not_b:
  tax
  lda pad
  and #BUTTON_SELECT
  beq @not_select
  ldx #3
@not_select:
  stx oam + 2
  lda sprite_x
  sta oam + 3
  rts

read_pad:
  lda #1                ; strobe: the pad latches its buttons...
  sta JOYPAD1
  lda #0                ; ...and then hands them out one per read
  sta JOYPAD1
  ldx #8
@bit:
  lda JOYPAD1
  lsr a                 ; bit 0 into the carry
  rol pad
  dex
  bne @bit
  rts

move_sprite:
  lda pad
  and #BUTTON_UP
  beq @not_up
  dec sprite_y
@not_up:
  lda pad
  and #BUTTON_DOWN
  beq @not_down
  inc sprite_y
@not_down:
  lda pad
  and #BUTTON_LEFT
  beq @not_left
  dec sprite_x
@not_left:
  lda pad
  and #BUTTON_RIGHT
  beq @not_right
  inc sprite_x
@not_right:
  lda pad
  and #BUTTON_START
  beq @not_start
  lda #START_X
  sta sprite_x
  lda #START_Y
  sta sprite_y
@not_start:
  rts

nmi:
  pha
  txa
  pha
  tya
  pha
  lda #>oam             ; the sprite memory gets last frame's placement
  sta OAMDMA
  reset_scroll
  jsr read_pad
  jsr move_sprite
  jsr place_sprite
  pla
  tay
  pla
  tax
  pla
irq:
  rti

.segment "VECTORS"
  .word nmi, reset, irq
