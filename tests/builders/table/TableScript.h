// Zevora tests - a table designer model prepared from a short script.
#pragma once

#include "TableModel.h"
#include "TableRules.h"

#include <QStringList>
#include <QTest>

/// Runs \a script on \a model: commands separated by ";", each a word and
/// its numbers. "rows N", "cols N"; "pct C R V", "px C R V", "cspan C R V",
/// "rspan C R V" (select the cell, open the command and apply V); "select C
/// R", "open MODE", "apply V" (must be refused), "resetw", "resets"; "cell C
/// R COLOUR", "table COLOUR", "header [COLOUR]", "align C R WORD", "valign C
/// R WORD"; "caption", "bottom", "attrs" (every other table fragment set).
inline void runScript(TableModel &model, const QString &script)
{
    const QStringList commands = script.split(u';', Qt::SkipEmptyParts);
    for (const QString &command : commands) {
        const QStringList w = command.simplified().split(u' ');
        const auto n = [&w](int i) { return w.value(i).toInt(); };
        const QString &verb = w.first();
        if (verb == "rows") {
            model.setRowCount(n(1));
        } else if (verb == "cols") {
            model.setColCount(n(1));
        } else if (verb == "pct" || verb == "px" || verb == "cspan" || verb == "rspan") {
            const int mode = verb == "pct" ? 1 : verb == "px" ? 2 : verb == "cspan" ? 3 : 5;
            model.select(n(1), n(2));
            QVERIFY2(std::holds_alternative<TableRules::Bar>(TableRules::open(model, mode)),
                     qPrintable(command));
            QVERIFY2(TableRules::apply(model, n(3)), qPrintable(command));
        } else if (verb == "select") {
            model.select(n(1), n(2));
        } else if (verb == "open") {
            TableRules::open(model, n(1));
        } else if (verb == "apply") {
            QVERIFY2(!TableRules::apply(model, n(1)), qPrintable(command));
        } else if (verb == "resetw") {
            TableRules::resetColumnWidth(model);
        } else if (verb == "resets") {
            TableRules::resetSpans(model);
        } else if (verb == "cell") {
            model.setCellColour(n(1), n(2), TableModel::Colour(n(3)));
        } else if (verb == "table") {
            model.setTableColour(TableModel::Colour(n(1)));
        } else if (verb == "header") {
            model.setHeaderRow(true);
            if (w.size() > 1)
                model.setHeaderColour(TableModel::Colour(n(1)));
        } else if (verb == "align" || verb == "valign") {
            QString &attr =
                verb == "align" ? model.cell(n(1), n(2)).AlignAttr : model.cell(n(1), n(2)).VAlignAttr;
            attr = " " + verb + "=" + w.value(3);
        } else if (verb == "caption") {
            model.setCaption(true);
        } else if (verb == "bottom") {
            model.CaptionAlignAttr = " align=bottom>";
        } else if (verb == "attrs") {
            model.BorderAttr = " border=0";
            model.WidthAttr = " width=5%";
            model.PaddingAttr = " cellpadding=3";
            model.SpacingAttr = " cellspacing=12";
            model.TableAlignAttr = " align=right";
        } else {
            QFAIL(qPrintable("unknown command " + command));
        }
    }
}
