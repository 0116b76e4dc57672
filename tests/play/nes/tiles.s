; Four tile pictures, shared by the background and the sprite: tile n is a solid square of
; colour n of its palette (tile 0 shows the backdrop). The program copies them into the
; cartridge's tile picture RAM.
.export tile_pictures, TILE_PICTURES_SIZE

.segment "RODATA"
tile_pictures:
  .res 16, $00                      ; tile 0: colour 0
  .res 8, $FF                       ; tile 1: low bit plane set...
  .res 8, $00                       ;   ...high plane clear: colour 1
  .res 8, $00                       ; tile 2: colour 2
  .res 8, $FF
  .res 16, $FF                      ; tile 3: colour 3
TILE_PICTURES_SIZE = * - tile_pictures
