#include "finance/ui/TfDados_Caixa.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/WindowConventions.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfDados_Caixa::TfDados_Caixa(AppContext &ctx, QWidget *parent) : QDialog(parent), m_logic(ctx)
{
    WindowConventions::noTitleBarButtons(this);
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setFont(ControlFonts::bold(12));
    layout->addWidget(m_title);
    auto *form = new QFormLayout;
    m_dc = new QComboBox(this);
    m_dc->setObjectName(QStringLiteral("CAI_DC"));
    m_dc->addItems({QStringLiteral("Débito"), QStringLiteral("Crédito")});
    m_data = new QDateEdit(this);
    m_data->setObjectName(QStringLiteral("CAI_DATA"));
    m_data->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_data->setCalendarPopup(true);
    m_data->setMinimumDate(QDate(1900, 1, 1));
    m_data->setSpecialValueText(QStringLiteral(" "));
    m_valor = new TEditV(this, Qt::AlignRight);
    m_valor->setObjectName(QStringLiteral("CAI_VALOR"));
    m_valor->makeMoney();
    m_documento = new TEditV(this);
    m_documento->setObjectName(QStringLiteral("CAI_DOC"));
    m_descricao = new TEditV(this);
    m_descricao->setObjectName(QStringLiteral("CAI_DESC"));
    form->addRow(QStringLiteral("Deb./Crédito"), m_dc);
    form->addRow(QStringLiteral("Data"), m_data);
    form->addRow(QStringLiteral("Valor:"), m_valor);
    form->addRow(QStringLiteral("Documento:"), m_documento);
    form->addRow(QStringLiteral("Descrição:"), m_descricao);
    layout->addLayout(form);

    auto *buttons = new QHBoxLayout;
    m_gravar = new QPushButton(QStringLiteral("Gravar"), this);
    m_excluir = new QPushButton(QStringLiteral("Excluir"), this);
    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    for (QPushButton *b : {m_gravar, m_excluir, fechar}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    WindowConventions::enterMovesOn(this);
    WindowConventions::focusHighlight(this);

    connect(m_gravar, &QPushButton::clicked, this, [this] {
        pull();
        const bool saved = m_logic.gravar();
        push();
        if (onSave)
            onSave(saved);
        if (saved)
            m_dc->setFocus();
    });
    connect(m_excluir, &QPushButton::clicked, this, [this] {
        pull();
        const bool deleted = m_logic.excluir();
        push();
        if (onSave)
            onSave(deleted);
        if (deleted)
            accept();
    });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfDados_Caixa::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_logic.prepare();
        const bool deleting = m_logic.deleting();
        setWindowTitle(m_logic.title());
        m_title->setText(m_logic.title());
        for (TEditV *e : {m_valor, m_documento, m_descricao})
            e->setReadOnly(deleting);
        m_dc->setEnabled(!deleting);
        m_data->setEnabled(!deleting);
        m_gravar->setVisible(!deleting);
        m_excluir->setVisible(deleting);
        push();
        (deleting ? static_cast<QWidget *>(m_excluir) : m_dc)->setFocus();
    }
    QDialog::showEvent(event);
}

void TfDados_Caixa::pull()
{
    m_logic.debito = m_dc->currentIndex() == 0;
    m_logic.data = m_data->date() == m_data->minimumDate() ? QDate() : m_data->date();
    m_logic.valor = m_valor->text();
    m_logic.documento = m_documento->text();
    m_logic.descricao = m_descricao->text();
}

void TfDados_Caixa::push()
{
    m_dc->setCurrentIndex(m_logic.debito ? 0 : 1);
    m_data->setDate(m_logic.data.isValid() ? m_logic.data : m_data->minimumDate());
    m_valor->setText(m_logic.valor);
    m_documento->setText(m_logic.documento);
    m_descricao->setText(m_logic.descricao);
}
