// Zevora - keeps the frame from taking input while a builder window is open.
#include "FrameLock.h"

FrameLock::FrameLock(QWidget *frame) : m_frame(frame)
{
    if (m_frame)
        m_frame->setEnabled(false);
}

FrameLock::~FrameLock()
{
    release();
}

void FrameLock::release()
{
    if (m_frame)
        m_frame->setEnabled(true);
    m_frame = nullptr;
}
