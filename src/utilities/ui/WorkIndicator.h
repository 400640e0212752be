#pragma once

#include "utilities/WorkObserver.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// The busy state of a backup or restore window while the server works: a
// moving progress bar, the server's last line, the wait cursor and the
// window's buttons disabled. The window keeps painting because every line
// (and every silent second) lets the event loop run, user input excluded.
class WorkIndicator final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorkIndicator)
public:
    explicit WorkIndicator(QWidget *parent = nullptr);
    ~WorkIndicator() override;

    // `controls` are disabled while the work runs.
    WorkObserver observer(QList<QWidget *> controls);
    bool isWorking() const { return m_working; }
    QString lastLine() const;

private:
    void start(const QList<QWidget *> &controls);
    void finish();

    QProgressBar *m_bar = nullptr;
    QLabel *m_line = nullptr;
    QList<QWidget *> m_disabled;
    bool m_working = false;
};
