#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// Where the bytes of a text ticket go. A failure leaves the reason in
// errorText() (the system's own text); bytes already written stay written.
class TicketSink {
public:
    virtual ~TicketSink() = default;
    virtual bool open() = 0;
    virtual bool write(const QByteArray &bytes) = 0;
    // Ends the job; false when the printer refused it.
    virtual bool close() = 0;
    QString errorText() const { return m_error; }
    // The printer as the person configured it, for messages.
    virtual QString name() const = 0;

protected:
    QString m_error;
};

// A device file (/dev/usb/lp0, /dev/lp0) or any file that exists, written
// line by line. A printer that stops taking bytes fails after `timeoutMs`
// instead of holding the program.
class DeviceSink final : public TicketSink {
public:
    static constexpr int kDefaultTimeoutMs = 5000;
    explicit DeviceSink(QString path, int timeoutMs = kDefaultTimeoutMs);
    ~DeviceSink() override;
    bool open() override;
    bool write(const QByteArray &bytes) override;
    bool close() override;
    QString name() const override { return m_path; }

private:
    QString m_path;
    int m_timeoutMs;
    int m_fd = -1;
};

// A raw CUPS queue: the whole ticket is one raw job, sent when it closes.
class CupsSink final : public TicketSink {
public:
    explicit CupsSink(QString queue) : m_queue(std::move(queue)) {}
    bool open() override;
    bool write(const QByteArray &bytes) override;
    bool close() override;
    QString name() const override { return QStringLiteral("cups:") + m_queue; }

private:
    QString m_queue;
    QByteArray m_job;
};

namespace TicketSinks {
inline const QString kCupsPrefix = QStringLiteral("cups:");
// The sink for a port setting: "cups:QUEUE" or a device path.
std::unique_ptr<TicketSink> forPort(const QString &setting);
} // namespace TicketSinks
