#pragma once

#include <QString>

// Everything that waits for a person goes through here: message boxes,
// confirmations and file dialogs. Windows get the Qt implementation; tests
// script the answers and read back what was shown.
class MessageService {
public:
    enum class Kind { Message, Information, Warning, Error, Confirmation };

    virtual ~MessageService() = default;

    // A plain box with an OK button (no icon).
    virtual void message(const QString &text) = 0;
    virtual void information(const QString &text) = 0;
    virtual void warning(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    // Yes/No question; true for Yes.
    virtual bool confirm(const QString &text) = 0;
    // Empty text when the user cancels.
    virtual QString openFileName(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &dir, const QString &filter) = 0;

    // The texts of the system are written with "\r" as line break.
    static QString displayText(QString text) { return text.replace(u'\r', u'\n'); }
};
