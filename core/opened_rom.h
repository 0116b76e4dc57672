#pragma once
// Keeps an image open for one operation and closes it when the operation ends, also
// when a read fails; Close() reports a failed close after a good operation.

#include "rom_image.h"

namespace quelbrook {

class OpenedRom {
 public:
  explicit OpenedRom(RomImage& rom) : rom_(rom) { rom_.Open(); }
  ~OpenedRom() {
    try {
      rom_.Close();
    } catch (...) {
      // The operation's own failure is the one worth reporting.
    }
  }
  void Close() { rom_.Close(); }
  OpenedRom(const OpenedRom&) = delete;
  OpenedRom& operator=(const OpenedRom&) = delete;

 private:
  RomImage& rom_;
};

}  // namespace quelbrook
