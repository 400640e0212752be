#include "core/StopSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

int g_pipe[2] = {-1, -1};
volatile sig_atomic_t g_arrived = 0;

extern "C" void onStopSignal(int)
{
    const int savedErrno = errno;
    g_arrived = 1;
    const char byte = 1;
    // A full pipe already holds an unread request: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

StopSignals::StopSignals(QObject *parent) : QObject(parent)
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without the pipe the signals keep their default action
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::drain);
    install();
}

StopSignals::~StopSignals()
{
    if (!m_notifier)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kSignals)
        ::sigaction(signalNumber, &action, nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void StopSignals::install()
{
    if (!m_notifier)
        return;
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

void StopSignals::drain()
{
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    if (m_requested)
        return;
    m_requested = true;
    emit stopRequested();
}

bool StopSignals::requested() const { return m_requested || g_arrived != 0; }
