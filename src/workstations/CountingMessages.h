#pragma once

#include "core/MessageService.h"

#include <QMap>
#include <QString>

// The message seam of a workstation that nobody watches: every box is counted
// by its kind and text, questions are answered as a person taking orders
// would (Yes to a cancellation, No to registering an unknown telephone).
class CountingMessages final : public MessageService {
public:
    void message(const QString &t) override { note(QStringLiteral("mensagem"), t); }
    void information(const QString &t) override { note(QStringLiteral("informacao"), t); }
    void warning(const QString &t) override { note(QStringLiteral("aviso"), t); }
    void error(const QString &t) override { note(QStringLiteral("erro"), t); }
    bool confirm(const QString &t) override
    {
        // An unknown telephone is not registered on the spot; everything else is confirmed.
        return !t.contains(QStringLiteral("Cadastrar"), Qt::CaseInsensitive);
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }

    // How many boxes were shown so far; a step that failed without raising it failed silently.
    int shownCount() const { return m_shown; }
    QString last() const { return m_last; }
    const QMap<QString, int> &byText() const { return m_byText; }

private:
    void note(const QString &kind, const QString &text)
    {
        ++m_shown;
        m_last = kind + QStringLiteral(": ") + QString(text).replace(u'\r', u' ').replace(u'\n', u' ');
        ++m_byText[m_last];
    }

    int m_shown = 0;
    QString m_last;
    QMap<QString, int> m_byText;
};
