#pragma once

#include <QObject>
#include <functional>

// Takes one key away from a widget: pressing it runs `action` (when given)
// and neither the widget nor the window's shortcuts see the keystroke.
// Owned by the widget it watches.
class KeyActionFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyActionFilter)

public:
    KeyActionFilter(QWidget *watched, int key, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_key;
    std::function<void()> m_action;
};
