#pragma once

#include <QWidget>

class QLabel;

// The splash window of start-up: no border, centred on the screen, the
// product name and a status panel with the progress text.
class TfAbertura final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfAbertura)
public:
    explicit TfAbertura(QWidget *parent = nullptr);

    // Sets the status panel and repaints it at once (the event loop is not
    // running yet while start-up creates the windows).
    void setStatus(const QString &text);
    QString status() const;
    void centreOnScreen();

private:
    QLabel *m_status = nullptr;
};
