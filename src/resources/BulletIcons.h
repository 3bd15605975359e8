// Zevora - the list builder's bullet icons: sixteen colour sets of a topic
// triangle and a detail dot, drawn by the program and encoded as GIF.
#pragma once

#include <QByteArray>
#include <QString>

namespace Resources {

/// Colour sets 0 to 15. Set i has the topic icon TopicBulletBase + i
/// (6 by 11 pixels, a triangle pointing right) and the detail icon
/// DetailBulletBase + i (5 by 5 pixels, a round dot).
inline constexpr int BulletSetCount = 16;
inline constexpr int TopicBulletBase = 700;
inline constexpr int DetailBulletBase = 800;

/// The short tag that names set \a set's files ("Wht", "LGr", ... "Red"),
/// or "" outside 0 to 15.
QString bulletSetTag(int set);
/// The colour's name for people ("White", "Light Grey", ...), or "".
QString bulletSetName(int set);
/// The colour of set \a set's icons as 0xRRGGBB (0 outside 0 to 15).
quint32 bulletSetColour(int set);

/// The GIF bytes of bullet icon \a id (700 to 715, 800 to 815): the mark in
/// its set's colour on a transparent ground, the same bytes on every run.
/// Any other id gives an empty array.
QByteArray bulletGif(int id);

} // namespace Resources
