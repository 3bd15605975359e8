// Zevora tests - a frame with private settings and fake services, for tests of windows on pages.
#pragma once

#include "FakeServices.h"
#include "TestSettings.h"

#include "frmKid.h"
#include "richy.h"
#include "topForm.h"

#include <QApplication>
#include <QTimer>

#include <functional>

/// Private settings, fake services (the system without sound) and a frame,
/// made in this order and gone in reverse. Pages left changed close without
/// a question, and boxes shown while everything goes need no answer.
struct TestFrame
{
    TestSettings settings;
    FakeServices services;
    topForm frame;

    TestFrame() { services.sound.available = false; }
    ~TestFrame()
    {
        services.messages.allowUnscripted(true);
        for (frmKid *kid : frame.documents())
            kid->richy->setDataChanged(false);
    }
    TestFrame(const TestFrame &) = delete;
    TestFrame &operator=(const TestFrame &) = delete;

    /// A new page of the frame, holding \a text, with the caret at \a caret.
    frmKid *page(const QByteArray &text = {}, qsizetype caret = 0)
    {
        frmKid *kid = frame.newDocumentWindow();
        kid->richy->loadText(text);
        if (caret > 0)
            kid->richy->setSelStart(caret);
        return kid;
    }
};

// Runs \a act on the modal dialog or popup about to be shown, inside its own
// event loop; should it still be open 5 s later, it is closed.
inline void whenModal(const std::function<void(QWidget *)> &act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        QWidget *modal = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->deleteLater();
        poll->stop();
        QTimer::singleShot(5000, modal, &QWidget::close);
        act(modal);
    });
    poll->start(5);
}
