#include "core/Database.h"

#include "core/DbError.h"
#include "core/NamedParameters.h"
#include "core/Win1252.h"

#include <firebird/Interface.h>

#include <cstring>

using namespace Firebird;

namespace {

constexpr unsigned kCharsetNone = 0;
constexpr unsigned kCharsetOctets = 1;
constexpr unsigned kCharsetWin1252 = 53;

IMaster *master() { return fb_get_master_interface(); }

DbError::Category categoryOf(ISC_STATUS code)
{
    switch (code) {
    case isc_unique_key_violation:
    case isc_no_dup:
    case isc_foreign_key:
    case isc_not_valid:
    case isc_check_constraint:
        return DbError::Category::ConstraintViolation;
    case isc_lock_conflict:
    case isc_lock_timeout:
    case isc_deadlock:
    case isc_update_conflict:
        return DbError::Category::LockConflict;
    case isc_network_error:
    case isc_net_read_err:
    case isc_net_write_err:
    case isc_lost_db_connection:
    case isc_io_error:
    case isc_bad_db_format:
    case isc_unavailable:
    case isc_login:
    case isc_shutdown:
    case isc_att_shutdown:
    case isc_conn_lost:
        return DbError::Category::Connection;
    default:
        return DbError::Category::General;
    }
}

// Every code of the status is looked at, not only the first: the engine may
// put a general code before the one that tells the kind. The first code that
// names a category decides.
DbError::Category categoryOf(const intptr_t *errors)
{
    if (!errors)
        return DbError::Category::General;
    for (const intptr_t *arg = errors; *arg != isc_arg_end;) {
        const intptr_t kind = *arg++;
        const intptr_t value = *arg++;
        if (kind == isc_arg_cstring) // length, then the text
            ++arg;
        if (kind != isc_arg_gds)
            continue;
        const DbError::Category category = categoryOf(ISC_STATUS(value));
        if (category != DbError::Category::General)
            return category;
    }
    return DbError::Category::General;
}

[[noreturn]] void rethrow(const FbException &e)
{
    IStatus *st = e.getStatus();
    char buf[2048];
    master()->getUtilInterface()->formatStatus(buf, sizeof buf, st);
    const intptr_t *errors = st->getErrors();
    const ISC_STATUS code = (errors && errors[0] == isc_arg_gds) ? ISC_STATUS(errors[1]) : 0;
    const long long sqlCode = errors ? isc_sqlcode(reinterpret_cast<const ISC_STATUS *>(errors)) : 0;
    throw DbError(categoryOf(errors), Win1252::decode(buf, int(strlen(buf))), sqlCode, code);
}

// Owns a Firebird status object and the throwing wrapper around it.
struct Status {
    IStatus *raw = master()->getStatus();
    ThrowStatusWrapper w{raw};
    ~Status() { raw->dispose(); }
    ThrowStatusWrapper *operator&() { return &w; }
};

template <class T> struct Released {
    T *p = nullptr;
    ~Released() { if (p) p->release(); }
    T *operator->() const { return p; }
    operator T *() const { return p; }
};

QByteArray pathBytes(const QString &path)
{
    // the file name goes to the engine in the connection's character set
    return path.toLocal8Bit();
}

struct Message {
    std::vector<unsigned char> buffer;
    IMessageMetadata *meta = nullptr;
    ~Message() { if (meta) meta->release(); }
};

} // namespace

struct Database::Impl {
    IAttachment *att = nullptr;
    QString path;

    ~Impl() { detach(); }

    void detach()
    {
        if (!att)
            return;
        Status st;
        try {
            att->detach(&st);
        } catch (const FbException &) {
            att->release();
        }
        att = nullptr;
    }

    IXpbBuilder *dpb(ThrowStatusWrapper *st, Engine engine, bool creating)
    {
        IXpbBuilder *b = master()->getUtilInterface()->getXpbBuilder(st, IXpbBuilder::DPB, nullptr, 0);
        b->insertString(st, isc_dpb_user_name, kUser);
        b->insertString(st, isc_dpb_password, kPassword);
        b->insertString(st, isc_dpb_lc_ctype, "WIN1252");
        b->insertInt(st, isc_dpb_sql_dialect, 3);
        if (creating) {
            b->insertString(st, isc_dpb_set_db_charset, "WIN1252");
            b->insertInt(st, isc_dpb_page_size, 8192);
        }
        if (engine == Engine::Embedded)
            b->insertString(st, isc_dpb_config, "Providers=Engine12");
        return b;
    }

    void attach(const QString &p, Engine engine, bool creating)
    {
        detach();
        Status st;
        IXpbBuilder *b = nullptr;
        try {
            b = dpb(&st, engine, creating);
            // Released on every path: a failed attempt (a connection test
            // with a wrong folder, say) would otherwise leak the dispatcher.
            Released<IProvider> prov{master()->getDispatcher()};
            const QByteArray file = pathBytes(p);
            const unsigned len = b->getBufferLength(&st);
            const unsigned char *buf = b->getBuffer(&st);
            att = creating ? prov->createDatabase(&st, file.constData(), len, buf)
                           : prov->attachDatabase(&st, file.constData(), len, buf);
            b->dispose();
            path = p;
        } catch (const FbException &e) {
            if (b)
                b->dispose();
            rethrow(e);
        }
    }

    ITransaction *startTransaction(Transaction::Access access)
    {
        if (!att)
            throw DbError(DbError::Category::Connection, QStringLiteral("Banco de dados não conectado"));
        // Waits on a lock held by another workstation, but not for ever: the
        // wait ends with a LockConflict error the caller reports.
        static const unsigned char tpb[] = {isc_tpb_version3,    isc_tpb_write, isc_tpb_read_committed,
                                            isc_tpb_rec_version, isc_tpb_wait,  isc_tpb_lock_timeout,
                                            1,                   kLockTimeoutSeconds};
        static const unsigned char readOnlyTpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed,
                                                    isc_tpb_rec_version, isc_tpb_wait};
        const bool readOnly = access == Transaction::Access::ReadOnly;
        Status st;
        try {
            return readOnly ? att->startTransaction(&st, sizeof readOnlyTpb, readOnlyTpb)
                            : att->startTransaction(&st, sizeof tpb, tpb);
        } catch (const FbException &e) {
            rethrow(e);
        }
    }

    static void buildInput(ThrowStatusWrapper *st, IStatement *stmt, const NamedParameters &np,
                           const Params &params, Message &msg);
    static void buildOutput(ThrowStatusWrapper *st, IStatement *stmt, Message &msg, QStringList &names);
    SqlValue readColumn(ThrowStatusWrapper *st, ITransaction *tra, IMessageMetadata *meta, unsigned i,
                        const unsigned char *buf);

    ResultSet run(ITransaction *tra, const QString &sql, const Params &params, qint64 *affected);
};

void Database::Impl::buildInput(ThrowStatusWrapper *st, IStatement *stmt, const NamedParameters &np,
                                const Params &params, Message &msg)
{
    Released<IMessageMetadata> described{stmt->getInputMetadata(st)};
    const unsigned count = described->getCount(st);
    if (count != unsigned(np.names.size()))
        throw DbError(DbError::Category::Usage, QStringLiteral("Número de parâmetros não confere"));
    if (count == 0)
        return;

    std::vector<const SqlValue *> values(count);
    std::vector<QByteArray> texts(count);
    Released<IMetadataBuilder> b{described->getBuilder(st)};
    for (unsigned i = 0; i < count; ++i) {
        const SqlValue *v = params.find(np.names[int(i)]);
        if (!v)
            throw DbError(DbError::Category::Usage,
                          QStringLiteral("Parâmetro sem valor: %1").arg(np.names[int(i)]));
        values[i] = v;
        const auto &s = v->storage();
        if (std::holds_alternative<std::monostate>(s)) {
            b->setType(st, i, described->getType(st, i) | 1);
        } else if (auto text = std::get_if<QString>(&s)) {
            texts[i] = Win1252::encode(*text);
            b->setType(st, i, SQL_VARYING | 1);
            b->setCharSet(st, i, kCharsetWin1252);
            b->setLength(st, i, unsigned(std::max<qsizetype>(1, texts[i].size())));
        } else if (auto dec = std::get_if<Decimal>(&s)) {
            b->setType(st, i, SQL_INT64 | 1);
            b->setLength(st, i, sizeof(ISC_INT64));
            b->setScale(st, i, -dec->scale());
        } else if (std::holds_alternative<std::int64_t>(s)) {
            b->setType(st, i, SQL_INT64 | 1);
            b->setLength(st, i, sizeof(ISC_INT64));
            b->setScale(st, i, 0);
        } else if (std::holds_alternative<double>(s)) {
            b->setType(st, i, SQL_DOUBLE | 1);
            b->setLength(st, i, sizeof(double));
        } else if (std::holds_alternative<QDate>(s)) {
            b->setType(st, i, SQL_TYPE_DATE | 1);
            b->setLength(st, i, sizeof(ISC_DATE));
        } else if (std::holds_alternative<QTime>(s)) {
            b->setType(st, i, SQL_TYPE_TIME | 1);
            b->setLength(st, i, sizeof(ISC_TIME));
        } else if (std::holds_alternative<QDateTime>(s)) {
            b->setType(st, i, SQL_TIMESTAMP | 1);
            b->setLength(st, i, sizeof(ISC_TIMESTAMP));
        }
    }
    msg.meta = b->getMetadata(st);
    msg.buffer.assign(msg.meta->getMessageLength(st), 0);
    IUtil *util = master()->getUtilInterface();
    for (unsigned i = 0; i < count; ++i) {
        unsigned char *field = msg.buffer.data() + msg.meta->getOffset(st, i);
        auto *null = reinterpret_cast<short *>(msg.buffer.data() + msg.meta->getNullOffset(st, i));
        const auto &s = values[i]->storage();
        *null = std::holds_alternative<std::monostate>(s) ? -1 : 0;
        if (std::holds_alternative<QString>(s)) {
            const auto n = static_cast<unsigned short>(texts[i].size());
            memcpy(field, &n, sizeof n);
            memcpy(field + sizeof n, texts[i].constData(), n);
        } else if (auto dec = std::get_if<Decimal>(&s)) {
            const ISC_INT64 u = dec->units();
            memcpy(field, &u, sizeof u);
        } else if (auto iv = std::get_if<std::int64_t>(&s)) {
            const ISC_INT64 u = *iv;
            memcpy(field, &u, sizeof u);
        } else if (auto dv = std::get_if<double>(&s)) {
            memcpy(field, dv, sizeof(double));
        } else if (auto d = std::get_if<QDate>(&s)) {
            const ISC_DATE e = util->encodeDate(unsigned(d->year()), unsigned(d->month()), unsigned(d->day()));
            memcpy(field, &e, sizeof e);
        } else if (auto t = std::get_if<QTime>(&s)) {
            const ISC_TIME e = util->encodeTime(unsigned(t->hour()), unsigned(t->minute()), unsigned(t->second()),
                                                unsigned(t->msec()) * 10);
            memcpy(field, &e, sizeof e);
        } else if (auto ts = std::get_if<QDateTime>(&s)) {
            const QDate d = ts->date();
            const QTime t = ts->time();
            ISC_TIMESTAMP e;
            e.timestamp_date = util->encodeDate(unsigned(d.year()), unsigned(d.month()), unsigned(d.day()));
            e.timestamp_time = util->encodeTime(unsigned(t.hour()), unsigned(t.minute()), unsigned(t.second()),
                                                unsigned(t.msec()) * 10);
            memcpy(field, &e, sizeof e);
        }
    }
}

void Database::Impl::buildOutput(ThrowStatusWrapper *st, IStatement *stmt, Message &msg, QStringList &names)
{
    Released<IMessageMetadata> described{stmt->getOutputMetadata(st)};
    const unsigned count = described->getCount(st);
    if (count == 0)
        return;
    Released<IMetadataBuilder> b{described->getBuilder(st)};
    for (unsigned i = 0; i < count; ++i) {
        const char *alias = described->getAlias(st, i);
        names << QString::fromLatin1(alias && *alias ? alias : described->getField(st, i));
        switch (described->getType(st, i) & ~1u) {
        case SQL_TEXT:
        case SQL_VARYING: {
            const unsigned cs = described->getCharSet(st, i);
            b->setType(st, i, SQL_VARYING | 1);
            if (cs != kCharsetOctets && cs != kCharsetNone)
                b->setCharSet(st, i, kCharsetWin1252);
            break;
        }
        case SQL_SHORT:
        case SQL_LONG:
        case SQL_INT64:
            b->setType(st, i, SQL_INT64 | 1);
            b->setLength(st, i, sizeof(ISC_INT64));
            break;
        case SQL_FLOAT:
        case SQL_DOUBLE:
        case SQL_D_FLOAT:
            b->setType(st, i, SQL_DOUBLE | 1);
            b->setLength(st, i, sizeof(double));
            break;
        default:
            b->setType(st, i, described->getType(st, i) | 1);
            break;
        }
    }
    msg.meta = b->getMetadata(st);
    msg.buffer.assign(msg.meta->getMessageLength(st), 0);
}

SqlValue Database::Impl::readColumn(ThrowStatusWrapper *st, ITransaction *tra, IMessageMetadata *meta, unsigned i,
                                    const unsigned char *buf)
{
    if (*reinterpret_cast<const short *>(buf + meta->getNullOffset(st, i)))
        return SqlValue::null();
    const unsigned char *field = buf + meta->getOffset(st, i);
    IUtil *util = master()->getUtilInterface();
    switch (meta->getType(st, i) & ~1u) {
    case SQL_VARYING: {
        unsigned short n;
        memcpy(&n, field, sizeof n);
        return Win1252::decode(reinterpret_cast<const char *>(field + sizeof n), n);
    }
    case SQL_INT64: {
        ISC_INT64 u;
        memcpy(&u, field, sizeof u);
        const int scale = -meta->getScale(st, i);
        if (scale <= 0)
            return SqlValue(Decimal(u, 0));
        return SqlValue(Decimal(u, scale));
    }
    case SQL_DOUBLE: {
        double d;
        memcpy(&d, field, sizeof d);
        return d;
    }
    case SQL_TYPE_DATE: {
        ISC_DATE e;
        memcpy(&e, field, sizeof e);
        unsigned y, m, d;
        util->decodeDate(e, &y, &m, &d);
        return QDate(int(y), int(m), int(d));
    }
    case SQL_TYPE_TIME: {
        ISC_TIME e;
        memcpy(&e, field, sizeof e);
        unsigned h, m, s, f;
        util->decodeTime(e, &h, &m, &s, &f);
        return QTime(int(h), int(m), int(s), int(f / 10));
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP e;
        memcpy(&e, field, sizeof e);
        unsigned y, mo, d, h, mi, s, f;
        util->decodeDate(e.timestamp_date, &y, &mo, &d);
        util->decodeTime(e.timestamp_time, &h, &mi, &s, &f);
        return QDateTime(QDate(int(y), int(mo), int(d)), QTime(int(h), int(mi), int(s), int(f / 10)));
    }
    case SQL_BOOLEAN:
        return *field ? QStringLiteral("S") : QStringLiteral("N");
    case SQL_BLOB: {
        ISC_QUAD id;
        memcpy(&id, field, sizeof id);
        Released<IBlob> blob{att->openBlob(st, tra, &id, 0, nullptr)};
        QByteArray bytes;
        char chunk[8192];
        for (;;) {
            unsigned got = 0;
            const int rc = blob->getSegment(st, sizeof chunk, chunk, &got);
            if (rc == IStatus::RESULT_NO_DATA)
                break;
            bytes.append(chunk, int(got));
        }
        blob->close(st);
        blob.p = nullptr;
        return Win1252::decode(bytes);
    }
    default:
        throw DbError(DbError::Category::Conversion, QStringLiteral("Tipo de campo não suportado"));
    }
}

ResultSet Database::Impl::run(ITransaction *tra, const QString &sql, const Params &params, qint64 *affected)
{
    const NamedParameters np = NamedParameters::parse(sql);
    const QByteArray text = Win1252::encode(np.sql);
    Status st;
    IStatement *stmt = nullptr;
    try {
        stmt = att->prepare(&st, tra, unsigned(text.size()), text.constData(), 3,
                            IStatement::PREPARE_PREFETCH_METADATA);
        Message in;
        buildInput(&st, stmt, np, params, in);
        Message out;
        QStringList names;
        buildOutput(&st, stmt, out, names);
        ResultSet rows(names);
        void *inBuf = in.meta ? in.buffer.data() : nullptr;
        if (stmt->getType(&st) == isc_info_sql_stmt_select ||
            stmt->getType(&st) == isc_info_sql_stmt_select_for_upd) {
            Released<IResultSet> cursor{stmt->openCursor(&st, tra, in.meta, inBuf, out.meta, 0)};
            const unsigned count = names.size();
            while (cursor->fetchNext(&st, out.buffer.data()) == IStatus::RESULT_OK) {
                std::vector<SqlValue> values;
                values.reserve(count);
                for (unsigned i = 0; i < count; ++i)
                    values.push_back(readColumn(&st, tra, out.meta, i, out.buffer.data()));
                rows.appendRow(std::move(values));
            }
            cursor->close(&st);
            cursor.p = nullptr;
        } else {
            stmt->execute(&st, tra, in.meta, inBuf, out.meta, out.meta ? out.buffer.data() : nullptr);
            if (out.meta) {
                std::vector<SqlValue> values;
                for (unsigned i = 0; i < unsigned(names.size()); ++i)
                    values.push_back(readColumn(&st, tra, out.meta, i, out.buffer.data()));
                rows.appendRow(std::move(values));
            }
        }
        if (affected)
            *affected = qint64(stmt->getAffectedRecords(&st));
        stmt->free(&st);
        return rows;
    } catch (const FbException &e) {
        if (stmt)
            stmt->release();
        rethrow(e);
    } catch (...) {
        if (stmt)
            stmt->release();
        throw;
    }
}

Params &Params::set(const QString &name, const SqlValue &value)
{
    for (auto &p : m_values)
        if (p.first.compare(name, Qt::CaseInsensitive) == 0) {
            p.second = value;
            return *this;
        }
    m_values.emplace_back(name, value);
    return *this;
}

const SqlValue *Params::find(const QString &name) const
{
    for (const auto &p : m_values)
        if (p.first.compare(name, Qt::CaseInsensitive) == 0)
            return &p.second;
    return nullptr;
}

Database::Database() : d(std::make_unique<Impl>()) {}
Database::~Database() = default;

void Database::open(const QString &path, Engine engine) { d->attach(path, engine, false); }
void Database::create(const QString &path, Engine engine) { d->attach(path, engine, true); }
void Database::close() { d->detach(); }
bool Database::isOpen() const { return d->att != nullptr; }
QString Database::path() const { return d->path; }

ResultSet Database::select(const QString &sql, const Params &params)
{
    Transaction tx(*this);
    ResultSet rows = select(tx, sql, params);
    tx.commit();
    return rows;
}

ResultSet Database::select(Transaction &tx, const QString &sql, const Params &params)
{
    if (!tx.isActive())
        throw DbError(DbError::Category::Usage, QStringLiteral("Transação não está ativa"));
    return d->run(static_cast<ITransaction *>(tx.handle()), sql, params, nullptr);
}

qint64 Database::execute(const QString &sql, const Params &params)
{
    Transaction tx(*this);
    const qint64 n = execute(tx, sql, params);
    tx.commit();
    return n;
}

qint64 Database::execute(Transaction &tx, const QString &sql, const Params &params)
{
    if (!tx.isActive())
        throw DbError(DbError::Category::Usage, QStringLiteral("Transação não está ativa"));
    qint64 n = 0;
    d->run(static_cast<ITransaction *>(tx.handle()), sql, params, &n);
    return n;
}

Transaction::Transaction(Database &db, Access access) : m_db(db), m_handle(db.d->startTransaction(access)) {}

Transaction::~Transaction()
{
    if (m_handle) {
        try {
            rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    if (!m_handle)
        throw DbError(DbError::Category::Usage, QStringLiteral("Transação não está ativa"));
    Status st;
    try {
        static_cast<ITransaction *>(m_handle)->commit(&st);
        m_handle = nullptr;
    } catch (const FbException &e) {
        rethrow(e);
    }
}

void Transaction::rollback()
{
    if (!m_handle)
        return;
    auto *t = static_cast<ITransaction *>(m_handle);
    m_handle = nullptr;
    Status st;
    try {
        t->rollback(&st);
    } catch (const FbException &e) {
        t->release();
        rethrow(e);
    }
}
