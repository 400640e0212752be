#pragma once

#include <QApplication>
#include <functional>

// The application object of the program. An error that an event handler does
// not catch is shown by the general error display instead of ending the
// program; the window where it happened stays as it was. A connection gone
// away (the server stopped, the attachment shut down) is told as such, in
// Portuguese, with the database library's text after it.
class GuardedApplication final : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int &argc, char **argv);

    // Shows the text of an uncaught error. Without one, errors pass on.
    void setErrorDisplay(std::function<void(const QString &)> display) { m_display = std::move(display); }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    std::function<void(const QString &)> m_display;
};
