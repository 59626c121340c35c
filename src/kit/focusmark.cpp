// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "kit/focusmark.h"

#include <QEvent>
#include <QFocusFrame>
#include <QPointer>
#include <QWidget>

namespace {

// Follows the focus of one control: the frame stands around it while it has the focus.
class FocusMark : public QObject
{
public:
    explicit FocusMark(QWidget *control) : QObject(control), m_control(control)
    {
        control->installEventFilter(this);
    }

    // The frame belongs to the control's parent and may outlive the control.
    ~FocusMark() override
    {
        if (m_frame)
            m_frame->setWidget(nullptr);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_control && event->type() == QEvent::FocusIn) {
            if (!m_frame)
                m_frame = new QFocusFrame(m_control->parentWidget());
            m_frame->setWidget(m_control);
            // Above the neighbours, which stand close enough to hide a frame under them.
            m_frame->raise();
        } else if (watched == m_control && event->type() == QEvent::FocusOut && m_frame) {
            m_frame->setWidget(nullptr);
        }
        return false;
    }

private:
    QWidget *m_control;
    QPointer<QFocusFrame> m_frame;
};

} // namespace

void showFocusMark(QWidget *control)
{
    new FocusMark(control);
}
