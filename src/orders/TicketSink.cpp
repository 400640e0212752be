#include "orders/TicketSink.h"

#include <QElapsedTimer>
#include <cerrno>
#include <cstring>
#include <cups/cups.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

const QString kTempoEsgotado =
    QStringLiteral("A impressora parou de receber dados (tempo esgotado). Verifique se está ligada e com papel.");

} // namespace

DeviceSink::DeviceSink(QString path, int timeoutMs) : m_path(std::move(path)), m_timeoutMs(timeoutMs) {}

DeviceSink::~DeviceSink()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool DeviceSink::open()
{
    // Non-blocking, so neither opening nor writing can hang on an offline printer.
    m_fd = ::open(m_path.toLocal8Bit().constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) {
        m_error = systemError(errno);
        return false;
    }
    return true;
}

bool DeviceSink::write(const QByteArray &bytes)
{
    const char *at = bytes.constData();
    qsizetype left = bytes.size();
    QElapsedTimer waited;
    waited.start();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, at, size_t(left));
        if (n > 0) {
            at += n;
            left -= n;
            waited.restart();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            m_error = systemError(errno);
            return false;
        }
        const qint64 remaining = m_timeoutMs - waited.elapsed();
        pollfd p{m_fd, POLLOUT, 0};
        const int ready = remaining > 0 ? ::poll(&p, 1, int(remaining)) : 0;
        if (ready == 0) {
            m_error = kTempoEsgotado;
            return false;
        }
        if (ready < 0 && errno != EINTR) {
            m_error = systemError(errno);
            return false;
        }
    }
    return true;
}

bool DeviceSink::close()
{
    if (m_fd < 0)
        return true;
    const int result = ::close(m_fd);
    m_fd = -1;
    if (result != 0) {
        m_error = systemError(errno);
        return false;
    }
    return true;
}

bool CupsSink::open()
{
    m_job.clear();
    return true;
}

bool CupsSink::write(const QByteArray &bytes)
{
    m_job += bytes;
    return true;
}

bool CupsSink::close()
{
    const QByteArray queue = m_queue.toLocal8Bit();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.constData(), "Pedido", 0, nullptr);
    if (job == 0) {
        m_error = QString::fromLocal8Bit(cupsLastErrorString());
        return false;
    }
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, "Pedido", CUPS_FORMAT_RAW, 1) !=
            HTTP_STATUS_CONTINUE ||
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, m_job.constData(), size_t(m_job.size())) != HTTP_STATUS_CONTINUE ||
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData()) != IPP_STATUS_OK) {
        m_error = QString::fromLocal8Bit(cupsLastErrorString());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
        return false;
    }
    return true;
}

namespace TicketSinks {

std::unique_ptr<TicketSink> forPort(const QString &setting)
{
    const QString value = setting.trimmed();
    if (value.startsWith(kCupsPrefix, Qt::CaseInsensitive))
        return std::make_unique<CupsSink>(value.mid(kCupsPrefix.size()));
    return std::make_unique<DeviceSink>(value);
}

} // namespace TicketSinks
