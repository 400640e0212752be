#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a desktop logout or shutdown, Ctrl+C, a
// closed terminal) into stopRequested(), delivered by the event loop, so that
// the program ends the way "Saída" ends it: the loop quits, the windows close
// and the connection detaches. The handler only writes one byte to a pipe
// (nothing else is safe inside a signal handler); a socket notifier reads it.
//
// The database client library installs its own handler for SIGINT and
// SIGTERM at the first connection, which would shut the engine down under
// the open windows and leave the program running on a dead connection.
// install() takes the signals back; call it again once the first connection
// is open. One instance per program.
class StopSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StopSignals)
public:
    explicit StopSignals(QObject *parent = nullptr);
    // Puts the default handlers back.
    ~StopSignals() override;

    // Makes this object the only handler of the three signals.
    void install();

    // A stop signal arrived (also before the event loop could deliver it).
    bool requested() const;

signals:
    void stopRequested();

private:
    void drain();

    QSocketNotifier *m_notifier = nullptr;
    bool m_requested = false;
};
