// Build tool: writes the application icon as pricewright.ico (for the Windows
// resource script) and as one PNG per size (for the desktop icon theme).
#include <QImage>
#include <QString>

#include <fstream>
#include <iostream>

#include "app/application_icon.h"
#include "app/ico_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_icons OUTPUT_DIRECTORY\n";
    return 2;
  }
  const QString directory = QString::fromLocal8Bit(argv[1]);

  const std::vector<std::uint8_t> ico = pricewright::icoFileBytes(pricewright::iconArts());
  std::ofstream out((directory + "/pricewright.ico").toStdString(), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
  if (!out) {
    std::cerr << "make_icons: cannot write pricewright.ico\n";
    return 1;
  }

  for (const pricewright::IconArt& art : pricewright::iconArts()) {
    const QString png = QString("%1/pricewright-%2.png").arg(directory).arg(art.size);
    if (!pricewright::iconImage(art).save(png, "PNG")) {
      std::cerr << "make_icons: cannot write " << png.toStdString() << "\n";
      return 1;
    }
  }
  return 0;
}
