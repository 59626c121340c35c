// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "scriptedprompts.h"

#include "textformat.h"

#include <QPrinter>

void ScriptedPrompts::showMessage(QWidget *, MessageKind kind, const QString &text,
                                  const QString &title)
{
    m_messages.append({title.isEmpty() ? defaultMessageTitle() : title, text, false, kind});
}

bool ScriptedPrompts::question(QWidget *, const QString &text, const QString &title)
{
    m_messages.append({title.isEmpty() ? defaultMessageTitle() : title, text, true});
    const std::optional<std::optional<QString>> answer = takeAnswer(true, text);
    if (!answer || !*answer)
        return false;
    if (**answer == QLatin1StringView("Yes"))
        return true;
    if (**answer != QLatin1StringView("No"))
        fail(QStringLiteral("a question box asked %1 and takes Yes or No, not %2")
                 .arg(quoted(text), quoted(**answer)));
    return false;
}

std::optional<QString> ScriptedPrompts::input(QWidget *, const QString &prompt,
                                              const QString &title, const QString &defaultText,
                                              InputEcho)
{
    m_prompts.append({title.isEmpty() ? defaultMessageTitle() : title, prompt, defaultText});
    return takeAnswer(false, prompt).value_or(std::nullopt);
}

// The next queued answer, std::nullopt inside for Cancel, else the answerer's; nothing, and a
// failure, when there is neither.
std::optional<std::optional<QString>> ScriptedPrompts::takeAnswer(bool question,
                                                                  const QString &asked)
{
    if (m_answers.empty() && m_answerer)
        return m_answerer->answer(question, asked);
    if (m_answers.empty()) {
        fail(QStringLiteral("%1 asked %2 with no answer queued")
                 .arg(question ? QStringLiteral("a question box") : QStringLiteral("an input box"),
                      quoted(asked)));
        return std::nullopt;
    }
    const std::optional<QString> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool ScriptedPrompts::print(QWidget *, const PrintJob &job)
{
    if (m_printers.empty() && m_answerer)
        m_printers.push_back(m_answerer->printerFile());
    if (m_printers.empty()) {
        fail(QStringLiteral("a print job came with no printer queued"));
        return false;
    }
    const QString path = m_printers.front();
    m_printers.pop_front();

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!sendToPrinter(printer, job)) {
        fail(QStringLiteral("cannot write the PDF file %1").arg(quoted(path)));
        return false;
    }
    m_lastJob = job;
    return true;
}

QList<ScriptedPrompts::Message> ScriptedPrompts::takeMessages()
{
    return std::exchange(m_messages, {});
}

QList<ScriptedPrompts::Prompt> ScriptedPrompts::takePrompts()
{
    return std::exchange(m_prompts, {});
}

std::optional<QString> ScriptedPrompts::takeFailure()
{
    return std::exchange(m_failure, std::nullopt);
}

void ScriptedPrompts::fail(const QString &reason)
{
    // The first failure is the one to report: later prompts in the same handler follow from it.
    if (!m_failure)
        m_failure = reason;
}
