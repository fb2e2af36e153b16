// write-settings-glossary PATH: writes the settings glossary (docs/settings.md)
// from the settings table.
#include <fstream>
#include <iostream>

#include "settings/settings_glossary.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write-settings-glossary PATH\n";
    return 2;
  }
  std::ofstream page(argv[1], std::ios::binary | std::ios::trunc);
  page << kolvar::settings::settings_glossary();
  page.close();
  if (!page) {
    std::cerr << "write-settings-glossary: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
