#include "registers/ui/TfDadosCli.h"
#include "controls/ui/WindowConventions.h"
#include "controls/ui/TEditV.h"

#include "core/ui/FocusWatch.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kRefer = QStringLiteral("CLI_EREFER");
const QString kCodigo = QStringLiteral("CLI_CODIGO");
} // namespace

TfDadosCli::TfDadosCli(AppContext &ctx, QWidget *parent) : QDialog(parent), m_logic(ctx)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    layout->addWidget(m_title);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    for (const TextField &f : CustomerLogic::fields()) {
        if (f.column == kRefer) {
            m_dcad = new QDateEdit(this);
            m_dcad->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
            m_dcad->setCalendarPopup(true);
            form->addRow(QStringLiteral("D.Cad"), m_dcad);
            m_refer = new QPlainTextEdit(this);
            m_refer->setTabChangesFocus(true);
            const int width = f.width;
            connect(m_refer, &QPlainTextEdit::textChanged, this, [this, width] {
                const QString t = m_refer->toPlainText();
                if (t.size() > width) {
                    m_refer->setPlainText(t.left(width));
                    m_refer->moveCursor(QTextCursor::End);
                }
            });
            form->addRow(f.label, m_refer);
            continue;
        }
        auto *e = new TEditV(this);
        e->setMaxLength(f.width);
        m_edits.insert(f.column, e);
        form->addRow(f.label, e);
    }
    QLineEdit *code = m_edits.value(kCodigo);
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
        if (!ok)
            QTimer::singleShot(0, code, [code] { code->setFocus(); });
    });
    FocusWatch::onLeave(m_edits.value(QStringLiteral("CLI_NOME")), [this] {
        pull();
        m_logic.leaveName();
        m_edits.value(QStringLiteral("CLI_CONTATO"))->setText(m_logic.field(QStringLiteral("CLI_CONTATO")));
    });

    auto *buttons = new QHBoxLayout;
    m_gravar = new QPushButton(QStringLiteral("Gravar"), this);
    m_limpar = new QPushButton(QStringLiteral("Limpar"), this);
    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    for (QPushButton *b : {m_gravar, m_limpar, m_fechar}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(m_gravar, &QPushButton::clicked, this, &TfDadosCli::gravar);
    connect(m_limpar, &QPushButton::clicked, this, [this, code] {
        m_logic.clear();
        push();
        code->setFocus();
    });
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::reject);
    WindowConventions::enterMovesOn(this);
    WindowConventions::focusHighlight(this);
}

void TfDadosCli::showEvent(QShowEvent *event)
{
    m_logic.prepare();
    const ModeSetup s = m_logic.modeSetup();
    setWindowTitle(s.title);
    m_title->setText(s.title);
    m_gravar->setVisible(s.saveVisible);
    m_gravar->setText(s.saveCaption);
    m_limpar->setVisible(s.clearVisible);
    for (QLineEdit *e : std::as_const(m_edits))
        e->setReadOnly(s.fieldsReadOnly);
    m_edits.value(kCodigo)->setReadOnly(s.codeReadOnly || s.fieldsReadOnly);
    m_refer->setReadOnly(s.fieldsReadOnly);
    m_dcad->setEnabled(!s.fieldsReadOnly);
    push();
    QDialog::showEvent(event);
    QWidget *focus = m_fechar;
    switch (s.focus) {
    case ModeSetup::Focus::Code: focus = m_edits.value(kCodigo); break;
    case ModeSetup::Focus::Name: focus = m_edits.value(QStringLiteral("CLI_NOME")); break;
    case ModeSetup::Focus::SaveButton: focus = m_gravar; break;
    default: break;
    }
    focus->setFocus();
}

void TfDadosCli::pull()
{
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        m_logic.setField(it.key(), it.value()->text());
    m_logic.setField(kRefer, m_refer->toPlainText());
    m_logic.setRegistrationDate(QDateTime(m_dcad->date(), m_logic.registrationDate().time()));
}

void TfDadosCli::push()
{
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        it.value()->setText(m_logic.field(it.key()));
    m_refer->setPlainText(m_logic.field(kRefer));
    m_dcad->setDate(m_logic.registrationDate().date());
}

void TfDadosCli::gravar()
{
    pull();
    const CustomerLogic::SaveResult result = m_logic.save();
    push();
    if (!result.saved)
        return;
    if (result.reloadList && onListChanged)
        onListChanged();
    if (result.handBack && onHandBack)
        onHandBack(*result.handBack);
    if (result.closeWindow) {
        accept();
        return;
    }
    QLineEdit *code = m_edits.value(kCodigo);
    code->setFocus();
    if (const auto proposed = m_logic.enterCode())
        code->setText(*proposed);
}
