// Zevora - the program's own pictures: the tool strip and menu pictures and the splash.
// Everything is drawn with QPainter at the requested pixel ratio, so it stays sharp on high-DPI screens.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <functional>

class QPainter;

namespace Resources {

/// Number of tools on the tool strip; tool i has the enabled picture
/// EnabledBase + i and the disabled picture DisabledBase + i.
inline constexpr int ToolCount = 17;
inline constexpr int EnabledBase = 100;
inline constexpr int DisabledBase = 200;

/// The tool picture with resource number \a resourceId (100 to 116 enabled,
/// 200 to 216 disabled) on a transparent 16 by 16 logical canvas, rendered at
/// \a devicePixelRatio (a 2.0 picture has 32 by 32 device pixels). The
/// disabled picture is the same drawing in greys with an embossed edge. Any
/// other number gives a null pixmap. Needs a QGuiApplication.
QPixmap toolPicture(int resourceId, qreal devicePixelRatio = 1.0);

/// An icon holding picture \a resourceId rendered at 1x, 2x and 3x. For an
/// enabled picture (100 to 116) the icon's Disabled mode holds the tool's
/// disabled picture, so a button showing it greys out with our own drawing.
/// Any other number gives a null icon.
QIcon toolIcon(int resourceId);

/// Pictures of the File menu's items that have no tool of their own.
enum class MenuPicture
{
    Exit,
    RecentFile,
};

/// Menu picture \a picture on a transparent 16 by 16 logical canvas,
/// rendered at \a devicePixelRatio (a ratio that is not positive gives a
/// null pixmap). Needs a QGuiApplication.
QPixmap menuPicture(MenuPicture picture, qreal devicePixelRatio = 1.0);

/// An icon holding \a picture rendered at 1x, 2x and 3x.
QIcon menuIcon(MenuPicture picture);

/// The start-up splash: about 420 by 260 logical pixels with the program's
/// name, what it is and a drawn motif, rendered at \a devicePixelRatio.
QPixmap splashPicture(qreal devicePixelRatio = 1.0);

/// A \a size (logical pixels) picture filled with \a ground and drawn by
/// \a draw with antialiasing, rendered at \a devicePixelRatio (a ratio that
/// is not positive counts as 1).
QPixmap renderPicture(const QSizeF &size, qreal devicePixelRatio, const QColor &ground,
                      const std::function<void(QPainter &)> &draw);

/// The program's icon, \a pixels square on a transparent ground (nothing for
/// a size that is not positive). Drawn with shapes only, so it needs no
/// QGuiApplication.
QImage programIconImage(int pixels);
/// The program's icon at the usual sizes, for its windows. Needs a QGuiApplication.
QIcon programIcon();

/// The program's emblem, the angle brackets and slash of a closing tag in
/// a round orange badge, centred on \a centre.
void drawTagBadge(QPainter &painter, const QPointF &centre, qreal radius);

} // namespace Resources
