#include "utilities/ServiceManager.h"

#include "core/Database.h"
#include "core/DbError.h"
#include "core/Win1252.h"

#include <firebird/Interface.h>

#include <cstring>

using namespace Firebird;

namespace {

constexpr int kPageSize = 4096;
constexpr int kQueryTimeoutSeconds = 1;
constexpr const char *kBackupCompleted = "closing file, committing, and finishing";
constexpr const char *kRestoreCompleted = "finishing, closing, and going home";
const QString kNotCompleted = QStringLiteral("O Servidor Encerrou o Serviço sem Concluí-lo. Última Mensagem: ");

IMaster *master() { return fb_get_master_interface(); }

[[noreturn]] void rethrow(const FbException &e)
{
    IStatus *st = e.getStatus();
    char buf[2048];
    master()->getUtilInterface()->formatStatus(buf, sizeof buf, st);
    const intptr_t *errors = st->getErrors();
    const long long code = (errors && errors[0] == isc_arg_gds) ? errors[1] : 0;
    throw DbError(DbError::Category::General, Win1252::decode(buf, int(strlen(buf))).trimmed(), 0, code);
}

QByteArray pathBytes(const QString &path) { return path.toLocal8Bit(); }

QString lineText(const unsigned char *p, unsigned len)
{
    // The server writes its messages in its own character set; UTF-8 covers
    // the ASCII of gbak's lines and keeps accented file names readable.
    return QString::fromUtf8(reinterpret_cast<const char *>(p), qsizetype(len)).trimmed();
}

// Owns the status object, the service attachment and the parameter builders.
class Run {
public:
    Run() : m_raw(master()->getStatus()), m_st(m_raw) {}
    ~Run()
    {
        if (m_spb)
            m_spb->dispose();
        if (m_service) {
            try {
                m_service->detach(&m_st);
            } catch (const FbException &) {
                m_service->release();
            }
        }
        m_raw->dispose();
    }
    Run(const Run &) = delete;
    Run &operator=(const Run &) = delete;

    void attach(const ServiceManager::Target &target)
    {
        IXpbBuilder *spb = builder(IXpbBuilder::SPB_ATTACH);
        spb->insertString(&m_st, isc_spb_user_name, Database::kUser);
        spb->insertString(&m_st, isc_spb_password, Database::kPassword);
        if (target.embedded)
            spb->insertString(&m_st, isc_spb_config, "Providers=Engine12");
        IProvider *provider = master()->getDispatcher();
        const QByteArray name = target.service.toLocal8Bit();
        try {
            m_service = provider->attachServiceManager(&m_st, name.constData(), spb->getBufferLength(&m_st),
                                                       spb->getBuffer(&m_st));
        } catch (...) {
            provider->release();
            throw;
        }
        provider->release();
    }

    IXpbBuilder *startRequest(unsigned char action)
    {
        IXpbBuilder *spb = builder(IXpbBuilder::SPB_START);
        spb->insertTag(&m_st, action);
        return spb;
    }

    void start() { m_service->start(&m_st, m_spb->getBufferLength(&m_st), m_spb->getBuffer(&m_st)); }

    // Reads the service's output until it has finished. A failure of the work
    // mostly comes back from the query as an error status; gbak's last line
    // tells the rest (it can give up asking for a next volume of a cut
    // backup, or of a full disk, without any error status).
    void follow(const ServiceManager::Progress &progress, const char *completionLine)
    {
        const unsigned char send[] = {isc_info_svc_timeout, 4, 0, kQueryTimeoutSeconds, 0, 0, 0};
        const unsigned char receive[] = {isc_info_svc_line};
        unsigned char buffer[16384];
        for (;;) {
            std::memset(buffer, 0, sizeof buffer);
            m_service->query(&m_st, sizeof send, send, sizeof receive, receive, sizeof buffer, buffer);
            bool timedOut = false;
            bool gotLine = false;
            const unsigned char *p = buffer;
            const unsigned char *end = buffer + sizeof buffer;
            while (p < end && *p != isc_info_end) {
                const unsigned char item = *p++;
                if (item == isc_info_svc_timeout || item == isc_info_data_not_ready) {
                    timedOut = true;
                    continue;
                }
                if (item == isc_info_truncated)
                    break;
                if (item != isc_info_svc_line || p + 2 > end)
                    break;
                const unsigned len = unsigned(p[0]) | (unsigned(p[1]) << 8);
                p += 2;
                if (p + len > end)
                    break;
                if (len > 0) {
                    gotLine = true;
                    m_lastLine = lineText(p, len);
                    m_completed = m_completed || m_lastLine.contains(QLatin1String(completionLine));
                    if (progress)
                        progress(m_lastLine);
                }
                p += len;
            }
            if (gotLine)
                continue;
            if (!timedOut) { // an empty line without a timeout: the output has ended
                if (!m_completed)
                    throw DbError(DbError::Category::General, kNotCompleted + m_lastLine);
                return;
            }
            if (progress)
                progress(QString());
        }
    }

    ThrowStatusWrapper *st() { return &m_st; }

private:
    IXpbBuilder *builder(unsigned kind)
    {
        if (m_spb)
            m_spb->dispose();
        m_spb = nullptr;
        m_spb = master()->getUtilInterface()->getXpbBuilder(&m_st, kind, nullptr, 0);
        return m_spb;
    }

    IStatus *m_raw;
    ThrowStatusWrapper m_st;
    IXpbBuilder *m_spb = nullptr;
    IService *m_service = nullptr;
    QString m_lastLine;
    bool m_completed = false;
};

template <class Fill>
void runService(const ServiceManager::Target &target, unsigned char action, Fill fill,
                const ServiceManager::Progress &progress, const char *completionLine)
{
    try {
        Run run;
        run.attach(target);
        IXpbBuilder *spb = run.startRequest(action);
        fill(run.st(), spb);
        spb->insertTag(run.st(), isc_spb_verbose);
        run.start();
        run.follow(progress, completionLine);
    } catch (const FbException &e) {
        rethrow(e);
    }
}

} // namespace

namespace ServiceManager {

void backup(const Target &target, const QString &databaseFile, const QString &backupFile, const Progress &progress)
{
    const QByteArray db = pathBytes(databaseFile);
    const QByteArray file = pathBytes(backupFile);
    runService(target, isc_action_svc_backup,
               [&](ThrowStatusWrapper *st, IXpbBuilder *spb) {
                   spb->insertString(st, isc_spb_dbname, db.constData());
                   spb->insertInt(st, isc_spb_options, 0);
                   spb->insertString(st, isc_spb_bkp_file, file.constData());
               },
               progress, kBackupCompleted);
}

void restore(const Target &target, const QString &backupFile, const QString &databaseFile, const Progress &progress,
             Existing existing)
{
    const int options = existing == Existing::Replace ? isc_spb_res_replace | isc_spb_res_create : isc_spb_res_create;
    const QByteArray db = pathBytes(databaseFile);
    const QByteArray file = pathBytes(backupFile);
    runService(target, isc_action_svc_restore,
               [&](ThrowStatusWrapper *st, IXpbBuilder *spb) {
                   spb->insertInt(st, isc_spb_options, options);
                   spb->insertInt(st, isc_spb_res_page_size, kPageSize);
                   spb->insertString(st, isc_spb_bkp_file, file.constData());
                   spb->insertString(st, isc_spb_dbname, db.constData());
               },
               progress, kRestoreCompleted);
}

void dropDatabase(const QString &connection, bool embedded)
{
    struct Held {
        IStatus *raw = master()->getStatus();
        IProvider *provider = master()->getDispatcher();
        IXpbBuilder *dpb = nullptr;
        IAttachment *att = nullptr;
        ~Held()
        {
            if (att)
                att->release();
            if (dpb)
                dpb->dispose();
            provider->release();
            raw->dispose();
        }
    } held;
    ThrowStatusWrapper st(held.raw);
    try {
        held.dpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        held.dpb->insertString(&st, isc_dpb_user_name, Database::kUser);
        held.dpb->insertString(&st, isc_dpb_password, Database::kPassword);
        if (embedded)
            held.dpb->insertString(&st, isc_dpb_config, "Providers=Engine12");
        const QByteArray name = pathBytes(connection);
        held.att = held.provider->attachDatabase(&st, name.constData(), held.dpb->getBufferLength(&st),
                                                 held.dpb->getBuffer(&st));
        held.att->dropDatabase(&st);
        held.att = nullptr; // a successful drop releases the attachment
    } catch (const FbException &e) {
        rethrow(e);
    }
}

} // namespace ServiceManager
