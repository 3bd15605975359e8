// Zevora - the IMG tag (or the bare address) of an image dropped on a page.
// QtCore only: the page, the link builder, the background dialog and
// zevora-imgtag all make their tags here.
#pragma once

#include "CImageInfo.h"
#include "MessageService.h"

#include <QDir>
#include <QString>

#include <optional>

/// What a dropped image gives.
struct ImageTag
{
    enum class Result
    {
        /// src and tag are set.
        Tag,
        NotAnImage,
        Bitmap,
        Missing,
        NotAFile,
        Unreadable
    };
    Result result = Result::NotAnImage;
    /// The image's address seen from the page.
    QString src;
    /// <img src="SRC" width=W height=H border=0>
    QString tag;
    /// Why the file could not be read (Unreadable).
    QString error;

    /// The box that tells the user the image was refused; nullopt for a tag,
    /// and for a file that could not be read (refused without a word).
    std::optional<Platform::MessageBox> refusal() const;
    /// One line saying why there is no tag (the refusal box's text where
    /// there is one).
    QString problem() const;
};

/// The tag for the image at \a imagePath dropped on the page whose file is
/// \a pagePath. The address is the image's bare file name when the page's
/// folder is \a tempFolder (the page was never saved), otherwise the path
/// relative to the page (mRelPath::relPath). Only GIF, JPEG and PNG images
/// make a tag.
ImageTag makeImageTag(const QString &imagePath, const QString &pagePath, QChar separator = QDir::separator(),
                      const QString &tempFolder = QString());

/// The folder part of \a path: the text before its last \a separator, when
/// the path has at least five characters and that separator stands at index
/// 2 or later; otherwise the whole path.
QString folderPart(const QString &path, QChar separator = QDir::separator());
