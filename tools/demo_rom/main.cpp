// Writes the demo "Quelbrook.nes" that lets a new user try the editor.
//
//   quelbrook_demo_rom <game program> <output file>

#include <exception>
#include <iostream>

#include "demo_rom_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quelbrook_demo_rom <game program> <output file>\n";
    return 2;
  }
  try {
    quelbrook::demo::WriteDemoRom(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "quelbrook_demo_rom: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
