#pragma once

#include "core/MessageService.h"

#include <QList>
#include <QString>
#include <deque>

// A MessageService for tests: records every box (kind and exact text) and
// answers confirmations and file dialogs from preset queues.
class ScriptedMessages final : public MessageService {
public:
    struct Shown {
        Kind kind;
        QString text;
        bool operator==(const Shown &) const = default;
    };

    void message(const QString &text) override { record(Kind::Message, text); }
    void information(const QString &text) override { record(Kind::Information, text); }
    void warning(const QString &text) override { record(Kind::Warning, text); }
    void error(const QString &text) override { record(Kind::Error, text); }
    bool confirm(const QString &text) override;
    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir, const QString &filter) override;

    void answerNext(bool yes) { m_answers.push_back(yes); }
    void fileNameNext(const QString &name) { m_files.push_back(name); }

    const QList<Shown> &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }
    // Convenience: the single box shown, or an empty Shown{Message, ""} when none or several.
    bool showedOnly(Kind kind, const QString &text) const { return m_shown == QList<Shown>{{kind, text}}; }

private:
    void record(Kind kind, const QString &text) { m_shown.append({kind, text}); }
    QList<Shown> m_shown;
    std::deque<bool> m_answers;
    std::deque<QString> m_files;
};

// Readable failure output: "Warning: <text>".
void PrintTo(const ScriptedMessages::Shown &s, std::ostream *os);
