#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Watches the application's keystrokes for one window: Enter or Return
// pressed in any of its controls moves the focus to the next control in tab
// order and is swallowed. Popups and dialogs opened over the window are
// separate windows and keep their own Enter. Owned by the window.
class EnterMovesOnFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EnterMovesOnFilter)

public:
    explicit EnterMovesOnFilter(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};
