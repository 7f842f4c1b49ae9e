#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace rokal {

// The program's icon: a concrete pile standing through soil into bedrock under a
// load arrow. Pictures of 32 pixels and less are drawn without smoothing, so that
// they hold only the few flat colours of the icon's palette.
QImage DrawAppIcon(int size);

// Paints the icon into the square from (0, 0) to (size, size) of any paint
// device: the pictures above and the scalable icon file are drawn by this alone.
void PaintAppIcon(QPainter& painter, int size);

// The 32 x 32 picture as a 16-colour indexed image, as the program's classic
// icon is stored.
QImage DrawSixteenColourAppIcon();

// The icon in every size the desktop asks for, for the windows of the program.
QIcon AppIcon();

}  // namespace rokal
