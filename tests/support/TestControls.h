// Zevora tests - finding a window's named controls, and the ones a screen reader cannot name.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QWidget>

/// The child of \a parent named \a name; null, with a warning naming it, when there is none.
template <typename T = QWidget> T *control(const QObject *parent, const QString &name)
{
    T *found = parent ? parent->findChild<T *>(name) : nullptr;
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

/// The visible top-level window of type T, or null.
template <typename T> T *topLevel()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(window); found && found->isVisible())
            return found;
    }
    return nullptr;
}

/// The names of the controls of \a window a person can reach that have no accessible name.
inline QStringList unnamedControls(const QWidget *window)
{
    QStringList unnamed;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (widget->focusPolicy() != Qt::NoFocus && !widget->objectName().isEmpty() &&
            widget->window() == window && (!accessible || accessible->text(QAccessible::Name).isEmpty()))
            unnamed.append(widget->objectName());
    }
    return unnamed;
}
