#pragma once

#include "core/MessageService.h"

class QWidget;

// Message boxes and file dialogs shown with Qt, over the active window.
class QtMessageService final : public MessageService {
public:
    void message(const QString &text) override;
    void information(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &text) override;
    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir, const QString &filter) override;
};
