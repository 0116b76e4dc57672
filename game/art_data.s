; The pictures and colours, generated together with the editor's pictures so that
; both show the same pixels.
.include "memory.inc"

.segment "ART"
BgChr:          .incbin "background.chr"      ; 256 tiles; the font at the text codes
SpriteChr:      .incbin "sprites.chr"         ; 256 tiles
TileCells:      .incbin "tile_cells.bin"      ; per tile code: 4 x 4 tile numbers, rows first
TileAttributes: .incbin "tile_attributes.bin" ; per tile code: palettes of its 16 x 16 quarters
Looks:          .incbin "looks.bin"           ; 16 background palettes, chosen by palette 1
SpritePalettes: .incbin "sprite_palettes.bin" ; 16 colours
HeroPalettes:   .incbin "hero_palettes.bin"   ; 16 times 4 colours, chosen by palette 2
ObjectTiles:    .incbin "object_tiles.bin"    ; 16 items then 16 enemies: first tile, $FF = none
ObjectPalettes: .incbin "object_palettes.bin" ; the same 32: sprite palette number
