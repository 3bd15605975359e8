// Zevora tests - fakes of the platform services.
#include "FakeServices.h"

#include "Services.h"

#include <QTest>

using namespace Platform;

MsgAnswer FakeMessageService::show(const MessageBox &box)
{
    shown.append(box);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    if (!m_allowUnscripted) {
        const QByteArray what = "unexpected message box: " + box.title.toUtf8() + " / " + box.text.toUtf8();
        QTest::qFail(what.constData(), __FILE__, __LINE__);
    }
    return box.buttons == MsgButtons::YesNo || box.buttons == MsgButtons::YesNoCancel ? MsgAnswer::No
                                                                                       : MsgAnswer::Ok;
}

void FakeSoundService::play(int resourceId, bool async)
{
    if (available)
        played.append({resourceId, async});
}

FakeServices::FakeServices()
{
    Services::install(&messages, &clipboard, &sound);
}

FakeServices::~FakeServices()
{
    if (messages.unusedAnswers() > 0)
        QTest::qFail("a scripted message box answer was never used", __FILE__, __LINE__);
}
