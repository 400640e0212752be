#include "orders/ui/TfDadosEntrega.h"

#include "controls/BrFormat.h"
#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/TLabelV.h"
#include "controls/ui/WindowConventions.h"
#include "core/ui/FocusWatch.h"
#include "orders/ui/TfBuscaEnt.h"
#include "orders/ui/TfBuscaReg.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kOrigem = QStringLiteral("Dados Entrega");

void focusLater(QWidget *w)
{
    QTimer::singleShot(0, w, [w] { w->setFocus(); });
}
} // namespace

TfDadosEntrega::TfDadosEntrega(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_logic(ctx)
{
    setWindowTitle(QStringLiteral("Dados da Entrega"));
    setObjectName(QStringLiteral("TfDadosEntrega"));
    using OrderWindowParts::addLabelled;
    using OrderWindowParts::readOnlyField;

    m_codPed = readOnlyField(this);
    m_codReg = new TEditV(this);
    m_codReg->setMaxLength(DeliveryLogic::kCodeWidth);
    m_codReg->setObjectName(QStringLiteral("edCodReg"));
    m_buscaRegButton = new TBitBtnV(QStringLiteral("..."), this);
    m_buscaRegButton->setToolTip(QStringLiteral("Busca de Regiões"));
    m_descReg = readOnlyField(this);
    m_quant = new TEditV(this, Qt::AlignRight);
    m_quant->makeQuantity();
    m_valor = new TEditV(this, Qt::AlignRight);
    m_valor->makeMoney();
    // The figures that follow from others are shown, not typed: what is stored is always what they compute.
    m_totalEntrega = readOnlyField(this, Qt::AlignRight);
    m_total = readOnlyField(this, Qt::AlignRight);
    m_pago = new TEditV(this, Qt::AlignRight);
    m_pago->makeMoney();
    m_troco = readOnlyField(this, Qt::AlignRight);
    m_codEnt = new TEditV(this);
    m_codEnt->setMaxLength(DeliveryLogic::kCodeWidth);
    m_codEnt->setObjectName(QStringLiteral("edCodEnt"));
    m_buscaEntButton = new TBitBtnV(QStringLiteral("..."), this);
    m_buscaEntButton->setToolTip(QStringLiteral("Busca de Entregadores"));
    m_nomeEnt = readOnlyField(this);
    m_saida = new QDateTimeEdit(this);
    m_fechamento = new QDateTimeEdit(this);
    for (QDateTimeEdit *e : {m_saida, m_fechamento}) {
        e->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        e->setEnabled(false);
    }

    auto *grid = new QGridLayout;
    addLabelled(grid, 0, 0, QStringLiteral("Cód.Pedido:"), m_codPed);
    addLabelled(grid, 1, 0, QStringLiteral("Cód.Região:"), m_codReg);
    grid->addWidget(m_buscaRegButton, 1, 2);
    addLabelled(grid, 2, 0, QStringLiteral("Descrição da Região:"), m_descReg, 2);
    addLabelled(grid, 3, 0, QStringLiteral("Quantidade:"), m_quant);
    addLabelled(grid, 4, 0, QStringLiteral("Valor:"), m_valor);
    addLabelled(grid, 5, 0, QStringLiteral("Valor Total da Entrega:"), m_totalEntrega);
    addLabelled(grid, 6, 0, QStringLiteral("V Total do Pedido:"), m_total);
    addLabelled(grid, 7, 0, QStringLiteral("Valor Pago pelo Cliente"), m_pago);
    addLabelled(grid, 8, 0, QStringLiteral("Troco para Levar p/ o Cliente"), m_troco);
    addLabelled(grid, 9, 0, QStringLiteral("Entregador:"), m_codEnt);
    grid->addWidget(m_buscaEntButton, 9, 2);
    grid->addWidget(m_nomeEnt, 10, 1, 1, 2);
    m_saidaLabel = new TLabelV(QStringLiteral("Data e Hora da Saída"), this);
    grid->addWidget(m_saidaLabel, 11, 0);
    grid->addWidget(m_saida, 11, 1, 1, 2);
    m_fechLabel = new TLabelV(QStringLiteral("Data e Hora do Fechamento"), this);
    grid->addWidget(m_fechLabel, 12, 0);
    grid->addWidget(m_fechamento, 12, 1, 1, 2);

    m_gravar = new TBitBtnV(QStringLiteral("Gravar"), this);
    m_fechar = new TBitBtnV(QStringLiteral("Fechar"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_gravar);
    buttons->addWidget(m_fechar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    QWidget::setTabOrder(m_codReg, m_buscaRegButton);
    QWidget::setTabOrder(m_buscaRegButton, m_quant);
    QWidget::setTabOrder(m_quant, m_valor);
    QWidget::setTabOrder(m_valor, m_pago);
    QWidget::setTabOrder(m_pago, m_codEnt);
    QWidget::setTabOrder(m_codEnt, m_buscaEntButton);
    QWidget::setTabOrder(m_buscaEntButton, m_gravar);
    QWidget::setTabOrder(m_gravar, m_fechar);

    WindowConventions::enterMovesOn(this);
    WindowConventions::focusHighlight(this);
    WindowConventions::noTitleBarButtons(this);
    WindowConventions::f5OpensLookup(m_codReg, [this] { openRegionLookup(); });
    WindowConventions::f5OpensLookup(m_codEnt, [this] { openPersonLookup(); });

    FocusWatch::onLeave(m_codReg, [this] {
        const bool ok = m_logic.leaveRegion(m_codReg->text());
        push();
        if (!ok)
            focusLater(m_codReg);
        else if (!m_codReg->text().isEmpty() && m_logic.mode() != OrderMode::Fechado && !m_quant->hasFocus())
            focusLater(m_quant);
    });
    FocusWatch::onLeave(m_codEnt, [this] {
        const bool ok = m_logic.leaveDeliveryPerson(m_codEnt->text());
        push();
        if (!ok)
            focusLater(m_codEnt);
        else if (!m_codEnt->text().isEmpty())
            focusLater(m_gravar);
    });
    auto figure = [this](TEditV *field, bool (DeliveryLogic::*leave)(const QString &)) {
        FocusWatch::onLeave(field, [this, field, leave] {
            if (!(m_logic.*leave)(field->text()))
                focusLater(field);
            pushFigures();
        });
    };
    figure(m_quant, &DeliveryLogic::leaveQuantity);
    figure(m_valor, &DeliveryLogic::leaveUnitValue);
    figure(m_pago, &DeliveryLogic::leavePaid);

    connect(m_buscaRegButton, &QPushButton::clicked, this, &TfDadosEntrega::openRegionLookup);
    connect(m_buscaEntButton, &QPushButton::clicked, this, &TfDadosEntrega::openPersonLookup);
    connect(m_gravar, &QPushButton::clicked, this, &TfDadosEntrega::gravar);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::accept);
}

TfDadosEntrega::~TfDadosEntrega() = default;

bool TfDadosEntrega::prepareFromOrderEntry(OrderEntryLogic &order)
{
    if (!m_logic.openFromOrderEntry(order))
        return false;
    arrange();
    return true;
}

bool TfDadosEntrega::prepareForTransition(OrderMode mode, const QString &orderCode)
{
    if (!m_logic.openForTransition(mode, orderCode))
        return false;
    arrange();
    return true;
}

bool TfDadosEntrega::openFromOrderEntry(OrderEntryLogic &order)
{
    if (!prepareFromOrderEntry(order))
        return false;
    m_runModal(*this);
    return true;
}

bool TfDadosEntrega::openForTransition(OrderMode mode, const QString &orderCode)
{
    if (!prepareForTransition(mode, orderCode))
        return false;
    m_runModal(*this);
    return true;
}

void TfDadosEntrega::arrange()
{
    const bool editable = m_logic.editable();
    m_gravar->setVisible(m_logic.saveVisible());
    for (TEditV *e : {m_codReg, m_quant, m_valor, m_pago, m_codEnt})
        e->setReadOnly(!editable);
    m_buscaRegButton->setEnabled(editable);
    m_buscaEntButton->setEnabled(editable);
    m_saidaLabel->setVisible(m_logic.departureShown());
    m_saida->setVisible(m_logic.departureShown());
    m_fechLabel->setVisible(m_logic.closingShown());
    m_fechamento->setVisible(m_logic.closingShown());
    push();
}

void TfDadosEntrega::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_codReg->setFocus();
    m_codReg->selectAll();
}

void TfDadosEntrega::reject()
{
    // Left only through its buttons.
}

void TfDadosEntrega::push()
{
    m_codPed->setText(m_logic.orderCode());
    m_codReg->setText(m_logic.regionCode());
    m_descReg->setText(m_logic.regionDescription());
    m_codEnt->setText(m_logic.deliveryPersonCode());
    m_nomeEnt->setText(m_logic.deliveryPersonName());
    m_saida->setDateTime(m_logic.departure().isValid() ? m_logic.departure() : m_saida->minimumDateTime());
    m_fechamento->setDateTime(m_logic.closing().isValid() ? m_logic.closing() : m_fechamento->minimumDateTime());
    pushFigures();
}

void TfDadosEntrega::pushFigures()
{
    m_quant->setText(BrFormat::number(m_logic.quantity(), 3));
    m_valor->setText(BrFormat::money(m_logic.unitValue()));
    m_totalEntrega->setText(BrFormat::money(m_logic.deliveryTotal()));
    m_total->setText(BrFormat::money(m_logic.orderTotal()));
    m_pago->setText(BrFormat::money(m_logic.paid()));
    m_troco->setText(BrFormat::money(m_logic.change()));
}

void TfDadosEntrega::gravar()
{
    // A figure still being typed counts as left.
    if (!m_logic.leaveQuantity(m_quant->text()) || !m_logic.leaveUnitValue(m_valor->text()) ||
        !m_logic.leavePaid(m_pago->text()))
        return;
    if (m_logic.save())
        accept();
    else
        pushFigures();
}

void TfDadosEntrega::openRegionLookup()
{
    if (!m_logic.editable())
        return;
    if (!m_buscaReg) {
        m_buscaReg = new TfBuscaReg(m_ctx, this);
        m_buscaReg->registry().add(kOrigem, [this](const QString &code) {
            m_codReg->setText(code);
            m_codReg->setFocus();
        });
    }
    m_buscaReg->setOrigem(kOrigem);
    m_runModal(*m_buscaReg);
}

void TfDadosEntrega::openPersonLookup()
{
    if (!m_logic.editable())
        return;
    if (!m_buscaEnt) {
        m_buscaEnt = new TfBuscaEnt(m_ctx, this);
        m_buscaEnt->registry().add(kOrigem, [this](const QString &code) {
            m_codEnt->setText(code);
            m_codEnt->setFocus();
        });
    }
    m_buscaEnt->setOrigem(kOrigem);
    m_runModal(*m_buscaEnt);
}
