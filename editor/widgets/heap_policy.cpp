#include "heap_policy.h"

#include <malloc.h>

namespace quelbrook {

void KeepFreedMemoryForReuse() {
  // Setting the trim threshold also fixes the mmap threshold at its 128 KiB default, which
  // glibc would otherwise raise with each large block freed.
  mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes);
}

}  // namespace quelbrook
