// Zevora - the vector drawings behind the tool strip and menu pictures.
// Internal to the resources library; the public entry points are in ToolPictures.h.
#pragma once

class QPainter;

namespace Resources::Drawings {

/// Draws the enabled picture of tool \a tool (0 to 16) on a 16 by 16 logical
/// canvas with \a painter, which is already scaled to the device and set to
/// antialiasing. Lines lie on half-pixel positions so that they stay crisp at
/// whole-number pixel ratios. Does nothing for any other tool number.
void drawTool(QPainter &painter, int tool);

/// Draws menu picture \a picture (a Resources::MenuPicture) on a 16 by 16
/// logical canvas, as drawTool does. Does nothing for any other number.
void drawMenuPicture(QPainter &painter, int picture);

} // namespace Resources::Drawings
