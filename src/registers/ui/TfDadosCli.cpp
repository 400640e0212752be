#include "registers/ui/TfDadosCli.h"

#include "controls/ui/TEditV.h"
#include "core/ui/FocusWatch.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kRefer = QStringLiteral("CLI_EREFER");
const QString kCodigo = QStringLiteral("CLI_CODIGO");
const QString kNome = QStringLiteral("CLI_NOME");
const QString kContato = QStringLiteral("CLI_CONTATO");
} // namespace

TfDadosCli::TfDadosCli(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(QStringLiteral("Gravar"), DeleteButton::None, parent), m_logic(ctx)
{
    for (const TextField &f : CustomerLogic::fields()) {
        if (f.column == kRefer) {
            m_dcad = addDate(QStringLiteral("CLI_DCAD"), QStringLiteral("D.Cad"));
            m_refer = addMemo(f.column, f.label, f.width);
            continue;
        }
        m_edits.insert(f.column, addLine(f.column, f.label, f.width));
    }
    QLineEdit *code = m_edits.value(kCodigo);
    setCodeField(code);
    setNameField(m_edits.value(kNome));

    FocusWatch::onEnter(code, [this, code] {
        pull();
        if (const auto proposed = m_logic.enterCode())
            code->setText(*proposed);
    });
    FocusWatch::onLeave(code, [this, code] {
        if (code->isReadOnly())
            return;
        pull();
        const bool ok = m_logic.leaveCode();
        code->setText(m_logic.field(kCodigo));
        // A code in use is typed again; a free one goes on to the name.
        QWidget *next = ok ? static_cast<QWidget *>(m_edits.value(kNome)) : code;
        QTimer::singleShot(0, next, [next] { next->setFocus(); });
    });
    FocusWatch::onLeave(m_edits.value(kNome), [this] {
        pull();
        m_logic.leaveName();
        m_edits.value(kContato)->setText(m_logic.field(kContato));
    });

    connect(saveButton(), &QPushButton::clicked, this, &TfDadosCli::gravar);
    connect(clearButton(), &QPushButton::clicked, this, [this, code] {
        m_logic.clear();
        push();
        code->setFocus();
    });
}

ModeSetup TfDadosCli::prepare()
{
    m_logic.prepare();
    return m_logic.modeSetup();
}

void TfDadosCli::pull()
{
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        m_logic.setField(it.key(), it.value()->text());
    m_logic.setField(kRefer, m_refer->toPlainText());
    const QDate date = dateOf(m_dcad);
    m_logic.setRegistrationDate(date.isValid() ? QDateTime(date, m_logic.registrationDate().time()) : QDateTime());
}

void TfDadosCli::push()
{
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        it.value()->setText(m_logic.field(it.key()));
    m_refer->setPlainText(m_logic.field(kRefer));
    showDate(m_dcad, m_logic.registrationDate().date());
}

void TfDadosCli::gravar()
{
    pull();
    const CustomerLogic::SaveResult result = m_logic.save();
    push();
    if (!result.saved)
        return;
    if (result.reloadList)
        emit listChanged();
    if (result.handBack)
        emit handedBack(*result.handBack);
    if (result.closeWindow) {
        accept();
        return;
    }
    QLineEdit *code = m_edits.value(kCodigo);
    code->setFocus();
    if (const auto proposed = m_logic.enterCode())
        code->setText(*proposed);
}
