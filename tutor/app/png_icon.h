#pragma once
// Icons from PNG files, read as PNG. Asked to find out a file's format, Qt first asks every
// image-format plugin whether it reads the file, and so loads them all (JPEG with libjpeg, GIF,
// ICO) into a program that shows only PNGs: 0.2 MB and a millisecond or two of the start.
#include <QIcon>
#include <QStringList>

namespace zav::ui {

// One icon with an image of each file's size; files that cannot be read are left out.
QIcon PngIcon(const QStringList& files);

// The same, read when first drawn or asked for its sizes: for an icon that is seldom shown.
QIcon PngIconWhenShown(const QStringList& files);

}  // namespace zav::ui
