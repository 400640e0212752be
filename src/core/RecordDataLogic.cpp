#include "core/RecordDataLogic.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/KeyAllocator.h"
#include "core/MessageService.h"
#include "core/Win1252.h"

namespace {

bool allDigits(const QString &text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The error shown for a character Windows-1252 cannot hold, or nullopt.
std::optional<QString> unencodable(const QString &text)
{
    const auto at = Win1252::firstUnencodable(text);
    if (!at)
        return std::nullopt;
    // A character outside the basic plane is two UTF-16 units; name it whole.
    const qsizetype length = text[*at].isHighSurrogate() && *at + 1 < text.size() ? 2 : 1;
    return QStringLiteral("O caractere \"%1\" não pode ser gravado. Remova-o e tente novamente.")
        .arg(text.mid(*at, length));
}

} // namespace

RecordDataLogic::RecordDataLogic(AppContext &ctx, const RecordDescription &description)
    : m_ctx(ctx), m_desc(description)
{
    m_values.clear(m_desc);
}

QString RecordDataLogic::shown(const QString &column) const
{
    const FieldDescription *f = m_desc.field(column);
    return f ? m_values.shown(*f) : m_values.text(column);
}

void RecordDataLogic::setTyped(const QString &column, const QString &typed)
{
    if (const FieldDescription *f = m_desc.field(column))
        m_values.setTyped(*f, typed);
    else
        m_values.set(column, typed);
}

QString RecordDataLogic::storedCode(const CodePolicy &policy, const QString &typed)
{
    const QString trimmed = typed.trimmed();
    if (policy.form == CodePolicy::Form::RightAligned)
        return Funcoes::completaEspacos(trimmed, policy.width, QStringLiteral("e"));
    return Funcoes::completaZeros(trimmed, policy.width);
}

void RecordDataLogic::clear()
{
    m_values.clear(m_desc);
    if (!m_desc.todayColumn.isEmpty())
        m_values.set(m_desc.todayColumn, m_ctx.clock.today());
    applyDefaults();
}

void RecordDataLogic::prepare()
{
    m_modo = m_nextModo;
    clear();
    if (m_modo != Modo::Inclui)
        load();
    prepared();
}

void RecordDataLogic::load()
{
    try {
        const ResultSet rows = m_ctx.db.select(m_desc.selectStatement, {{m_desc.codeParameter, m_nextCode}});
        if (rows.isEmpty())
            return;
        const Row row = rows.first();
        m_values.load(m_desc, row);
        loaded(row);
    } catch (const DbError &e) {
        m_ctx.messages.warning(e.message());
    }
}

std::optional<QString> RecordDataLogic::enterCode()
{
    if (m_modo != Modo::Inclui)
        return std::nullopt;
    const QString typed = code();
    if (m_desc.code.form == CodePolicy::Form::RightAligned) {
        if (typed.trimmed() == typed)
            return std::nullopt;
        m_values.set(m_desc.codeColumn, typed.trimmed());
        return code();
    }
    if (!typed.trimmed().isEmpty())
        return std::nullopt;
    try {
        m_values.set(m_desc.codeColumn, KeyAllocator::nextCode(m_ctx.db, m_desc.code.maxStatement, m_desc.code.width));
        return code();
    } catch (const DbError &) {
        // An unreadable maximum leaves the field blank; saving allocates again
        // and reports the failure then.
        return std::nullopt;
    }
}

bool RecordDataLogic::codeInUse(const QString &code) const
{
    return !m_ctx.db.select(m_desc.code.existsStatement, {{QStringLiteral("cCodigo"), code}}).isEmpty();
}

bool RecordDataLogic::leaveCode()
{
    if (m_modo != Modo::Inclui)
        return true;
    const QString typed = code().trimmed();
    if (typed.isEmpty())
        return true;
    if (m_desc.code.digitsOnly && !allDigits(typed)) {
        m_ctx.messages.error(QStringLiteral("O Código deve ter somente números"));
        m_values.set(m_desc.codeColumn, QString());
        return false;
    }
    const QString stored = storedCode(m_desc.code, typed);
    m_values.set(m_desc.codeColumn, stored);
    bool inUse = false;
    try {
        inUse = codeInUse(stored);
    } catch (const DbError &) {
        // Unreadable now: the save tests the code again inside its transaction.
        return true;
    }
    if (!inUse)
        return true;
    m_ctx.messages.error(m_desc.code.takenMessage);
    m_values.set(m_desc.codeColumn, QString());
    return false;
}

bool RecordDataLogic::check(std::optional<ModeSetup::Focus> &focus)
{
    if (!m_desc.requiredColumn.isEmpty() && m_values.text(m_desc.requiredColumn).trimmed().isEmpty()) {
        m_ctx.messages.error(m_desc.requiredMessage);
        focus = ModeSetup::Focus::Name;
        return false;
    }
    if (m_modo == Modo::Inclui && m_desc.code.digitsOnly && !allDigits(code().trimmed())) {
        m_ctx.messages.error(QStringLiteral("O Código deve ter somente números"));
        focus = ModeSetup::Focus::Code;
        return false;
    }
    return true;
}

RecordSaveResult RecordDataLogic::save()
{
    if (m_modo == Modo::Consulta)
        return {};
    if (m_modo == Modo::Exclui)
        return remove();
    RecordSaveResult refused;
    if (!check(refused.focus))
        return refused;
    for (const FieldDescription &f : m_desc.fields) {
        if (!f.isText())
            continue;
        if (const auto problem = unencodable(m_values.text(f.column))) {
            m_ctx.messages.error(*problem);
            return refused;
        }
    }
    if (m_modo == Modo::Inclui && m_desc.code.form == CodePolicy::Form::Digits)
        m_values.set(m_desc.codeColumn, code().trimmed().isEmpty() ? QString() : storedCode(m_desc.code, code()));
    return write(m_modo == Modo::Inclui ? RecordSave::Write::Insert : RecordSave::Write::Update);
}

RecordSaveResult RecordDataLogic::remove()
{
    if (m_modo != Modo::Exclui || !checkRemove())
        return {};
    return write(RecordSave::Write::Delete);
}

void RecordDataLogic::bind(Params &params, RecordSave::Write write) const
{
    if (write == RecordSave::Write::Delete)
        return;
    for (const FieldDescription &f : m_desc.fields) {
        if (f.parameter.isEmpty() || (f.insertOnly && write != RecordSave::Write::Insert))
            continue;
        const SqlValue &v = m_values.value(f.column);
        if (f.isNumber()) {
            if (!v.isNull() && std::holds_alternative<QString>(v.storage()))
                throw DbError(DbError::Category::Conversion,
                              QStringLiteral("'%1' não é um número válido").arg(v.toString()));
            params.set(f.parameter, v.toDecimal().withScale(f.scale));
        } else if (f.kind == FieldDescription::Kind::Date) {
            params.set(f.parameter, v.isNull() ? SqlValue::null() : SqlValue(v.toDate()));
        } else {
            params.set(f.parameter, v.toString());
        }
    }
    bindExtra(params, write);
}

RecordSaveResult RecordDataLogic::write(RecordSave::Write write)
{
    const RecordSave::Outcome outcome =
        RecordSave::run(m_ctx, m_desc, write, code(), [this, write](Params &p) { bind(p, write); },
                        [this, write](Transaction &tx, const QString &code) { alongside(tx, write, code); });
    if (!outcome.ok)
        return {};
    return saved(write, outcome);
}

RecordSaveResult RecordDataLogic::saved(RecordSave::Write write, const RecordSave::Outcome &)
{
    RecordSaveResult result;
    result.saved = true;
    result.reloadList = true;
    result.closeWindow = write != RecordSave::Write::Insert;
    // Adding keeps the window open, empty for the next record.
    if (!result.closeWindow) {
        clear();
        result.focus = ModeSetup::Focus::Code;
    }
    return result;
}
