// Zevora - the picture that explains the macro keys in the Key Macros window.
// Drawn with QPainter at the requested pixel ratio, so it stays sharp on high-DPI screens.
#pragma once

#include <QPixmap>
#include <QSize>

/// The picture's size in logical pixels.
inline constexpr QSize MacroKeysPictureSize{300, 300};

/// How to use the macro keys: Ctrl+letter inserts the opening tag and
/// Ctrl+Shift+letter the closing tag, shown with drawn keys, and how to get
/// back to the list. Rendered at \a devicePixelRatio (at least 1 is assumed
/// for anything not positive). Needs a QGuiApplication.
QPixmap macroKeysPicture(qreal devicePixelRatio = 1.0);
