#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures compiled into the program: its icon and the About box picture.
namespace AppResources {

inline constexpr const char* ProgramIconPath = ":/brackmere/brackmere.png";
inline constexpr const char* AboutPicturePath = ":/brackmere/site.png";

// The resources live in a static library, whose registration the linker would
// otherwise drop; every accessor below registers them first.
void EnsureLoaded();

QIcon ProgramIcon();
QPixmap AboutPicture();

}  // namespace AppResources
