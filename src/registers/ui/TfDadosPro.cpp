#include "registers/ui/TfDadosPro.h"

#include "controls/ui/TEditV.h"
#include "core/ui/FocusWatch.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

TfDadosPro::TfDadosPro(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(QStringLiteral("Grava"), DeleteButton::Separate, parent), m_logic(ctx)
{
    const TextField &codeField = ProductLogic::codeField();
    m_code = addLine(codeField.column, codeField.label, codeField.width);
    m_code->setAlignment(Qt::AlignRight);
    const TextField &descriptionField = ProductLogic::descriptionField();
    m_description = addLine(descriptionField.column, descriptionField.label, descriptionField.width);
    const TextField &unitField = ProductLogic::unitField();
    m_unit = addLine(unitField.column, unitField.label, unitField.width);
    m_pf = addYesNo(QStringLiteral("PRO_PF"), QStringLiteral("Produto Próprio ?"));
    m_feito = addYesNo(QStringLiteral("PRO_FEITOHORA"), QStringLiteral("Feito na Hora ?"));
    m_ativo = addYesNo(QStringLiteral("PRO_ATIVO"), QStringLiteral("Ativo:"));
    m_quantity = addShownLine(QStringLiteral("PRO_QUANT"), QStringLiteral("Quantidade em Estoque"));
    m_minimum = addLine(QStringLiteral("PRO_MIN"), QStringLiteral("Estoque Mínimo:"));
    m_maximum = addLine(QStringLiteral("PRO_EMAX"), QStringLiteral("Estoque Máximo"));
    m_cost = addLine(QStringLiteral("PRO_PCUSTO"), QStringLiteral("Preço de Custo:"));
    m_margin = addLine(QStringLiteral("PRO_MARGEM"), QStringLiteral("Margem de Lucro:"));
    m_price = addLine(QStringLiteral("PRO_PVENDA"), QStringLiteral("Preço de Venda:"));
    m_quantity->makeQuantity();
    m_minimum->makeWhole();
    m_maximum->makeWhole();
    m_cost->makeMoney();
    m_margin->makePercentage();
    m_price->makeMoney();
    for (TEditV *e : {m_quantity, m_minimum, m_maximum, m_cost, m_margin, m_price})
        e->setAlignment(Qt::AlignRight);
    m_lastPurchase = addShownLine(QStringLiteral("PRO_UCOMP"), QStringLiteral("Última Compra:"));
    m_dcad = addDate(QStringLiteral("PRO_DCAD"), QStringLiteral("D.Cadastramento:"));
    const TextField &notesField = ProductLogic::notesField();
    m_notes = addMemo(notesField.column, notesField.label, notesField.width);
    setCodeField(m_code);
    setNameField(m_description);

    FocusWatch::onEnter(m_code, [this] {
        if (m_code->isReadOnly())
            return;
        pull();
        m_logic.enterCode();
        m_code->setText(m_logic.code);
    });
    FocusWatch::onLeave(m_code, [this] {
        if (m_code->isReadOnly())
            return;
        pull();
        const bool ok = m_logic.leaveCode();
        m_code->setText(m_logic.code);
        if (!ok)
            QTimer::singleShot(0, m_code, [this] { m_code->setFocus(); });
    });
    FocusWatch::onLeave(m_pf, [this] {
        pull();
        const bool enabled = m_logic.leaveOwnProduct();
        push();
        (enabled ? static_cast<QWidget *>(m_feito) : m_ativo)->setFocus();
    });
    FocusWatch::onLeave(m_margin, [this] { pull(); m_logic.leaveMargin(); push(); });
    FocusWatch::onLeave(m_price, [this] { pull(); m_logic.leavePrice(); push(); });

    connect(saveButton(), &QPushButton::clicked, this, [this] { pull(); finish(m_logic.save()); });
    connect(deleteButton(), &QPushButton::clicked, this, [this] { finish(m_logic.remove()); });
    connect(clearButton(), &QPushButton::clicked, this, [this] { m_logic.clear(); push(); });
}

QComboBox *TfDadosPro::addYesNo(const QString &column, const QString &label)
{
    auto *c = new QComboBox(this);
    c->setObjectName(column);
    c->addItems({QStringLiteral("Sim"), QStringLiteral("Não")});
    addRow(label, c);
    return c;
}

ModeSetup TfDadosPro::prepare()
{
    m_logic.prepare();
    return m_logic.modeSetup();
}

void TfDadosPro::pull()
{
    m_logic.code = m_code->text();
    m_logic.description = m_description->text();
    m_logic.unit = m_unit->text();
    m_logic.notes = m_notes->toPlainText();
    m_logic.ownProduct = m_pf->currentIndex() == 0;
    m_logic.madeOnTheSpot = m_feito->currentIndex() == 0;
    m_logic.active = m_ativo->currentIndex() == 0;
    m_logic.minimum = m_minimum->text();
    m_logic.maximum = m_maximum->text();
    m_logic.cost = m_cost->text();
    m_logic.marginText = m_margin->text();
    m_logic.price = m_price->text();
    m_logic.registrationDate = dateOf(m_dcad);
}

void TfDadosPro::push()
{
    m_code->setText(m_logic.code);
    m_description->setText(m_logic.description);
    m_unit->setText(m_logic.unit);
    m_notes->setPlainText(m_logic.notes);
    m_pf->setCurrentIndex(m_logic.ownProduct ? 0 : 1);
    m_feito->setCurrentIndex(m_logic.madeOnTheSpot ? 0 : 1);
    m_ativo->setCurrentIndex(m_logic.active ? 0 : 1);
    const bool readOnly = m_logic.modeSetup().fieldsReadOnly;
    m_feito->setEnabled(!readOnly && m_logic.madeOnTheSpotEnabled());
    m_quantity->setText(m_logic.quantity);
    m_minimum->setText(m_logic.minimum);
    m_maximum->setText(m_logic.maximum);
    m_cost->setText(m_logic.cost);
    m_margin->setText(m_logic.marginText);
    m_price->setText(m_logic.price);
    m_lastPurchase->setText(m_logic.lastPurchase);
    showDate(m_dcad, m_logic.registrationDate);
}

void TfDadosPro::finish(const ProductLogic::SaveResult &result)
{
    push();
    if (result.saved && result.reloadList && onListChanged)
        onListChanged();
    if (result.saved && result.closeWindow) {
        accept();
        return;
    }
    if (result.focus)
        focusTarget(*result.focus)->setFocus();
}
