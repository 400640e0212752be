#pragma once

#include "core/RecordDescription.h"
#include "core/RecordSave.h"
#include "core/RecordValues.h"

#include <QString>
#include <optional>

struct AppContext;
class Row;

// What the data window does after a save.
struct RecordSaveResult {
    bool saved = false;
    bool closeWindow = false;
    bool reloadList = false;
    std::optional<ModeSetup::Focus> focus; // where the focus goes when the window stays open
};

// The logic of every register's data window, driven by its description:
// defaults, loading the record, proposing and checking codes, the required
// field and the one save path. A register adds only its own rules through
// the hooks.
class RecordDataLogic {
public:
    RecordDataLogic(AppContext &ctx, const RecordDescription &description);
    virtual ~RecordDataLogic() = default;
    RecordDataLogic(const RecordDataLogic &) = delete;
    RecordDataLogic &operator=(const RecordDataLogic &) = delete;

    const RecordDescription &description() const { return m_desc; }

    // The mode and record of the next showing.
    void open(Modo modo, const QString &code)
    {
        m_nextModo = modo;
        m_nextCode = code;
    }
    // Showing: defaults, then the record for every mode but add. A record that
    // cannot be read leaves the defaults (the save then reports the failure).
    void prepare();
    Modo modo() const { return m_modo; }
    virtual ModeSetup modeSetup() const { return m_desc.mode(m_modo); }

    RecordValues &values() { return m_values; }
    const RecordValues &values() const { return m_values; }
    QString field(const QString &column) const { return m_values.text(column); }
    void setField(const QString &column, const SqlValue &value) { m_values.set(column, value); }
    QString code() const { return m_values.text(m_desc.codeColumn); }
    // A field as shown / as a person typed it (see RecordValues).
    QString shown(const QString &column) const;
    void setTyped(const QString &column, const QString &typed);

    // "Limpar": every field at its default.
    void clear();
    // The code field got the focus in add mode: a blank code gets the next
    // one (Digits), a typed one is trimmed for editing (RightAligned). Gives
    // the new text, nullopt when nothing changed.
    std::optional<QString> enterCode();
    // Leaving the code field in add mode: brings the code to its stored form
    // and refuses one in use (error shown, field cleared) or one that is not
    // digits only. True when the focus may move on.
    bool leaveCode();

    // The save button: add or change (in delete mode, when the window has no
    // separate delete button, the delete). On failure every field keeps what
    // was typed.
    RecordSaveResult save();
    // The separate delete button.
    RecordSaveResult remove();

    // The stored form of a typed code.
    static QString storedCode(const CodePolicy &policy, const QString &typed);

protected:
    // Defaults beyond the empty values (today's date, a first choice...).
    virtual void applyDefaults() {}
    // After the record was loaded.
    virtual void loaded(const Row &) {}
    // At the end of every showing, loaded or not.
    virtual void prepared() {}
    // Checks before anything is written; false stops the save (the check has
    // said why). `focus` says where the focus goes.
    virtual bool check(std::optional<ModeSetup::Focus> &focus);
    // Checks before a delete; false stops it (the check has said why).
    virtual bool checkRemove() { return true; }
    // The statement's parameters beyond the described fields and the code.
    virtual void bindExtra(Params &, RecordSave::Write) const {}
    // Inside the write's transaction, after its statement: the rows the record
    // brings with it. A DbError thrown here rolls the whole write back.
    virtual void alongside(Transaction &, RecordSave::Write, const QString & /*code*/) {}
    // What the window does after a successful write.
    virtual RecordSaveResult saved(RecordSave::Write write, const RecordSave::Outcome &outcome);

    AppContext &m_ctx;

private:
    void load();
    RecordSaveResult write(RecordSave::Write write);
    void bind(Params &params, RecordSave::Write write) const;
    bool codeInUse(const QString &code) const;

    const RecordDescription &m_desc;
    RecordValues m_values;
    Modo m_nextModo = Modo::Consulta;
    QString m_nextCode;
    Modo m_modo = Modo::Consulta;
};
