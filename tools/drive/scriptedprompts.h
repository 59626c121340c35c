// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/prompts.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>
#include <utility>

// Answers the prompts that find nothing queued, in place of failing: a random walk answers each
// prompt as it comes.
class PromptAnswerer
{
public:
    virtual ~PromptAnswerer() = default;

    // The answer to an input box (std::nullopt for Cancel) or to a question box ("Yes" or "No").
    virtual std::optional<QString> answer(bool question, const QString &asked) = 0;

    // The PDF file that the next print job is written to.
    virtual QString printerFile() = 0;
};

// The prompts of a scripted run: message and question boxes are recorded, input and question
// boxes take the answers the script queued, and print jobs go to the PDF files it queued. Nothing
// modal is ever shown.
//
// A prompt that finds nothing queued cannot stop the handler that raised it, so it records the
// failure and gives the handler the answer of a cancelled dialog; the runner fails the line once
// the handler has returned.
class ScriptedPrompts : public Prompts
{
public:
    struct Message
    {
        QString title;
        QString text;
        bool question = false; // a question box rather than a message box
        // The icon of a message box, which the runner's output leaves out.
        MessageKind kind = MessageKind::Information;
    };

    // An input box as it was shown.
    struct Prompt
    {
        QString title;
        QString prompt;
        QString defaultText;
    };

    // Takes "Yes" or "No" from the queue of answers; Cancel counts as No.
    bool question(QWidget *parent, const QString &text, const QString &title = {}) override;
    // An input box that hides what is typed is recorded and answered as any other.
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title = {},
                                 const QString &defaultText = {},
                                 InputEcho echo = InputEcho::Shown) override;
    bool print(QWidget *parent, const PrintJob &job) override;

    // The next input or question box gets this answer; std::nullopt is Cancel.
    void queueAnswer(const std::optional<QString> &answer) { m_answers.push_back(answer); }
    // The next print job is written to this PDF file.
    void queuePrinter(const QString &pdfPath) { m_printers.push_back(pdfPath); }
    // Answers what finds nothing queued; nullptr (the default) lets such a prompt fail.
    void setAnswerer(PromptAnswerer *answerer) { m_answerer = answerer; }

    // The messages shown since the last call, which forgets them.
    QList<Message> takeMessages();

    // The input boxes shown since the last call, which forgets them.
    QList<Prompt> takePrompts();

    // The last job sent to a printer.
    const std::optional<PrintJob> &lastJob() const { return m_lastJob; }

    // Why the last prompt could not be answered, if it could not; cleared by reading it.
    std::optional<QString> takeFailure();

protected:
    void showMessage(QWidget *parent, MessageKind kind, const QString &text,
                     const QString &title) override;

private:
    void fail(const QString &reason);
    std::optional<std::optional<QString>> takeAnswer(bool question, const QString &asked);

    QList<Message> m_messages;
    QList<Prompt> m_prompts;
    std::deque<std::optional<QString>> m_answers;
    std::deque<QString> m_printers;
    std::optional<PrintJob> m_lastJob;
    std::optional<QString> m_failure;
    PromptAnswerer *m_answerer = nullptr;
};
