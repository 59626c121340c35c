#include "scriptedprompts.h"

#include "textformat.h"

#include <QPrinter>

void ScriptedPrompts::message(QWidget *, const QString &text, const QString &title)
{
    m_messages.append({title.isEmpty() ? defaultMessageTitle() : title, text});
}

std::optional<QString> ScriptedPrompts::input(QWidget *, const QString &prompt, const QString &,
                                              const QString &)
{
    if (m_answers.empty()) {
        fail(QStringLiteral("an input box asked %1 with no answer queued").arg(quoted(prompt)));
        return std::nullopt;
    }
    const std::optional<QString> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool ScriptedPrompts::print(QWidget *, const PrintJob &job)
{
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
