// Zevora - the Spelling window: stops at each unknown word of a check.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class SpellChecker;

/// Drives a SpellChecker: walks in slices of at most 100 ms, with events in
/// between (no user input reaches the program while the window is hidden;
/// once shown, it is application-modal). It shows itself at the first
/// unknown word, or with "Checking..." once a walk has run 500 ms, and hides
/// itself at the end; a check that finds nothing quickly never shows it.
class frmSpell : public QDialog
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Finished,
        Closed,
        Failed
    };

    /// A window for \a checker, which must outlive it.
    frmSpell(QWidget *parent, SpellChecker &checker);

    /// Begins the walk; ended() may come before this returns.
    void start();

    QPlainTextEdit *txtContext = nullptr;
    QLineEdit *txtChangeTo = nullptr;
    QListWidget *lstSuggestions = nullptr;
    QPushButton *cmdIgnore = nullptr;
    QPushButton *cmdIgnoreAll = nullptr;
    QPushButton *cmdChange = nullptr;
    QPushButton *cmdChangeAll = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdClose = nullptr;

signals:
    /// The check is over: at the end of the text, by Close (or Escape, or the
    /// window's close button), or by a failure.
    void ended(frmSpell::Outcome outcome);

protected:
    void reject() override;

private:
    void walk();
    void act(void (frmSpell::*action)());
    void doIgnore();
    void doIgnoreAll();
    void doChange();
    void doChangeAll();
    void doAdd();
    void showWord();
    void showChecking();
    void setAnswering(bool answering);
    void end(Outcome outcome);

    SpellChecker &m_checker;
    QElapsedTimer m_walkTime;
    bool m_atWord = false;
    bool m_ended = false;
};
