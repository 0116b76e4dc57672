#pragma once
// How the program's heap gives memory back, set once at start-up by the program (and by the
// benchmarks that time its windows).

namespace quelbrook {

// A window closed and opened again (the world editor: 2 MB of pictures and pixmaps) would
// otherwise hand its freed pages back at once and fault them in again on the next opening.
// Up to kKeptFreeBytes of freed memory stays with the program; beyond it, and for blocks of
// 128 KiB and more that the kept memory cannot hold (frames, whole ROMs), it goes back.
inline constexpr int kKeptFreeBytes = 8 << 20;
void KeepFreedMemoryForReuse();

}  // namespace quelbrook
