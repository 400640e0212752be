#include "support/ScriptedMessages.h"

#include <ostream>
#include <stdexcept>

bool ScriptedMessages::confirm(const QString &text)
{
    record(Kind::Confirmation, text);
    if (m_answers.empty())
        throw std::logic_error("confirmation asked with no scripted answer: " + text.toStdString());
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

QString ScriptedMessages::openFileName(const QString &, const QString &, const QString &)
{
    if (m_files.empty())
        return {};
    QString f = m_files.front();
    m_files.pop_front();
    return f;
}

QString ScriptedMessages::saveFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return openFileName(caption, dir, filter);
}

void PrintTo(const ScriptedMessages::Shown &s, std::ostream *os)
{
    static const char *names[] = {"Message", "Information", "Warning", "Error", "Confirmation"};
    *os << names[int(s.kind)] << ": \"" << s.text.toStdString() << '"';
}
