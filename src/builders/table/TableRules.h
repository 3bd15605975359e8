// Zevora - the table designer's width and span commands and its attribute entry.
#pragma once

#include <QString>

#include <optional>
#include <variant>

class TableModel;

/// The commands of the cell menu, on the model's selected cell. A command is
/// either refused with a box to show, or opens the adjustment bar with its
/// bounds; only apply() and the two resets change records.
namespace TableRules {

enum Mode
{
    NoMode = 0,
    PercentMode = 1,
    PixelMode = 2,
    ColSpanMode = 3,
    RowSpanMode = 5
};

/// A box with an OK button only and no icon.
struct Refusal
{
    QString title;
    QString text;
    bool operator==(const Refusal &) const = default;
};

/// The adjustment bar to open; title is the text of its heading.
struct Bar
{
    int mode = NoMode;
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    QString title;
    bool operator==(const Bar &) const = default;
};

/// Nothing (the bar does not open and nothing changes), a refusal or a bar.
using Outcome = std::variant<std::monostate, Refusal, Bar>;

/// What the command in \a mode would do for the selected cell now.
Outcome check(const TableModel &model, int mode);
/// Runs check() and, when it gives a bar, makes \a mode the open adjustment.
Outcome open(TableModel &model, int mode);
/// Applies \a value to the open adjustment. The bounds are computed again
/// from the present records; a value outside them, or no open adjustment,
/// changes nothing and gives false. The mark goes and the adjustment closes
/// either way.
bool apply(TableModel &model, int value);
/// Closes the adjustment without a change.
void cancel(TableModel &model);

/// Whether the selected cell offers each reset.
bool canResetWidth(const TableModel &model);
bool canResetSpans(const TableModel &model);
/// Clears the selected column's width in all eight rows.
void resetColumnWidth(TableModel &model);
/// Gives the selected cell's span block back its ordinary cells.
void resetSpans(TableModel &model);

/// The bar's value as its value label shows it in \a mode.
QString valueText(int mode, int value);

/// The box that refuses \a key typed into the attribute entry holding \a
/// text with \a selected characters selected (the key replaces them), or
/// nothing when the key may go in. Backspace always may.
std::optional<Refusal> attributeKey(const QString &text, int selected, QChar key);
/// Whether \a text may be written as an attribute value: one or two digits.
bool isAttributeValue(const QString &text);

} // namespace TableRules
