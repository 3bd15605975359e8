// Zevora - the bullet icon files that a definition list links, written
// into an "images" folder beside the page.
#pragma once

#include <QString>

/// Writes the topic and detail icons of one colour set beside a saved page
/// and gives the image tags that link them.
class BulletFiles
{
public:
    enum class Outcome
    {
        /// Both files are in place; the tags link them.
        Written,
        /// The page has no folder to put pictures beside: nothing was done
        /// and there are no tags.
        NoFolder,
        /// A file could not be written: the tags are the generic ones.
        Failed
    };
    struct Result
    {
        Outcome outcome = Outcome::Failed;
        /// What the user is told ("" when written).
        QString message;
        QString topicTag;
        QString detailTag;
        /// The two files on disk, in native form (when written).
        QString topicFile;
        QString detailFile;
    };

    /// Puts the icons of colour set \a set (0 to 15) into the folder "images"
    /// beside the page file \a pagePath, creating the folder when it is
    /// missing. The files are "listTri_" and "listDot_" + the set's tag +
    /// ".gif", written atomically. A file of that name holding the same bytes
    /// is left as it is; one holding anything else is the user's own and is
    /// kept: the icon goes under the first free name with a number before
    /// ".gif" (listTri_Red2.gif), and the tag links that. Either both files
    /// are in place or neither is linked (a file made for a failed pair is
    /// removed again).
    static Result create(const QString &pagePath, int set);
};
