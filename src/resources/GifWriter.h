// Zevora - a GIF89a encoder of our own (Qt reads GIF but cannot write it).
// Used for the bullet icons that the list builder writes beside a page.
#pragma once

#include <QByteArray>

class QImage;

/// Encodes an indexed picture as a GIF89a file: one image, a global colour
/// table, LZW-compressed data. The output depends on the picture alone, so
/// the same picture always gives the same bytes.
class GifWriter
{
public:
    /// The GIF file of \a image, which must be Format_Indexed8 with 1 to 256
    /// colours in its colour table, every pixel an index into that table, and
    /// at most 65535 pixels each way. With \a transparentIndex inside the
    /// table, that colour is the picture's transparent ground. Any other
    /// picture gives an empty array.
    static QByteArray encode(const QImage &image, int transparentIndex = -1);
};
