#include "orders/ui/TfDadosPed.h"

#include "controls/BrFormat.h"
#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/TLabelV.h"
#include "controls/ui/WindowConventions.h"
#include "core/ResultSetModel.h"
#include "core/ui/FocusWatch.h"
#include "orders/ui/TfBuscaCli.h"
#include "orders/ui/TfDadosEntrega.h"
#include "orders/ui/TfDadosIPed.h"
#include "orders/ui/TfObsPed.h"
#include "registers/ColumnFormats.h"
#include "registers/ui/RegisterWindows.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShortcut>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kOrigem = QStringLiteral("Pedidos");

void focusLater(QWidget *w)
{
    QTimer::singleShot(0, w, [w] { w->setFocus(); });
}

std::vector<GridColumn> itemColumns()
{
    return {ColumnFormats::text(QStringLiteral("IPD_CODPRO"), QStringLiteral("Cód.Produto")),
            ColumnFormats::text(QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Descrição do Produto")),
            ColumnFormats::money(QStringLiteral("IPD_VALOR"), QStringLiteral("Valor Unit.")),
            ColumnFormats::number(QStringLiteral("IPD_QUANT"), QStringLiteral("Quantidade"), 3),
            ColumnFormats::money(QStringLiteral("IPD_TOTAL"), QStringLiteral("Total")),
            ColumnFormats::text(QStringLiteral("IPD_OBS"), QStringLiteral("Observações"))};
}

QPushButton *glyphButton(QWidget *parent, QStyle::StandardPixmap glyph, const QString &hint)
{
    auto *b = new TBitBtnV(parent);
    b->setIcon(parent->style()->standardIcon(glyph));
    b->setToolTip(hint);
    return b;
}

} // namespace

TfDadosPed::TfDadosPed(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_logic(ctx)
{
    setObjectName(QStringLiteral("TfDadosPed"));
    setWindowTitle(QStringLiteral("Cadastro de Pedidos"));
    using OrderWindowParts::addLabelled;
    using OrderWindowParts::readOnlyField;

    m_codigo = new TEditV(this);
    m_codigo->setObjectName(QStringLiteral("edCodigo"));
    m_codigo->setMaxLength(8);
    m_data = new QDateEdit(this);
    m_data->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_data->setCalendarPopup(true);
    m_hora = new QTimeEdit(this);
    m_hora->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_situacao = new TLabelV(this);
    m_codCli = new TEditV(this);
    m_codCli->setObjectName(QStringLiteral("edCodCli"));
    m_codCli->setMaxLength(10);
    m_fone = new TEditV(this);
    m_fone->setObjectName(QStringLiteral("edFone"));
    m_fone->setMaxLength(15);
    m_nome = readOnlyField(this);
    m_ender = readOnlyField(this);
    m_numero = readOnlyField(this);
    m_comple = readOnlyField(this);
    m_bairro = readOnlyField(this);
    m_cid = readOnlyField(this);
    m_uf = readOnlyField(this);
    m_novoCli = glyphButton(this, QStyle::SP_FileIcon, QStringLiteral("Cadastrar Novo Cliente, também pode ser acessado pela tecla F7"));
    m_alteraCli = glyphButton(this, QStyle::SP_FileDialogDetailedView, QStringLiteral("Alterar Cliente, também pode ser acessado pela tecla F8"));
    m_buscaCliButton = glyphButton(this, QStyle::SP_FileDialogContentsView, QStringLiteral("Busca de Clientes, também pode ser acessado pela Tecla F5"));
    m_verCli = glyphButton(this, QStyle::SP_FileDialogInfoView, QStringLiteral("Ver Demais Dados do Cliente, também pode ser acessado pela tecla F9"));

    auto *group = new QGroupBox(QStringLiteral("Dados do Pedido"), this);
    auto *g = new QGridLayout(group);
    addLabelled(g, 0, 0, QStringLiteral("Nro.Pedido"), m_codigo);
    addLabelled(g, 0, 2, QStringLiteral("Data:"), m_data);
    addLabelled(g, 0, 4, QStringLiteral("Hora:"), m_hora);
    addLabelled(g, 1, 0, QStringLiteral("Situação do Pedido:"), m_situacao, 3);
    addLabelled(g, 2, 0, QStringLiteral("Cod.Cliente:"), m_codCli);
    addLabelled(g, 2, 2, QStringLiteral("Telefone do Cliente:"), m_fone);
    auto *customerButtons = new QHBoxLayout;
    for (QPushButton *b : {m_novoCli, m_alteraCli, m_buscaCliButton, m_verCli})
        customerButtons->addWidget(b);
    g->addLayout(customerButtons, 2, 4, 1, 2);
    addLabelled(g, 3, 0, QStringLiteral("Nome do Cliente:"), m_nome, 5);
    addLabelled(g, 4, 0, QStringLiteral("Endereço:"), m_ender, 3);
    addLabelled(g, 4, 4, QStringLiteral("Nro.:"), m_numero);
    addLabelled(g, 5, 0, QStringLiteral("Complemento:"), m_comple);
    addLabelled(g, 5, 2, QStringLiteral("Bairro:"), m_bairro);
    addLabelled(g, 6, 0, QStringLiteral("Cidade:"), m_cid, 3);
    addLabelled(g, 6, 4, QStringLiteral("Estado:"), m_uf);

    m_model = new ResultSetModel(itemColumns(), this);
    m_grid = new QTableView(this);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    WindowConventions::stripedRows(m_grid);

    m_cadItem = new TBitBtnV(QStringLiteral("Cad.Item"), this);
    m_excluirItem = new TBitBtnV(QStringLiteral("Excluir Item"), this);
    m_finalizar = new TBitBtnV(QStringLiteral("Finalizar"), this);
    m_consProdutos = new TBitBtnV(QStringLiteral("Cons.Produtos"), this);
    m_entrega = new TBitBtnV(QStringLiteral("Dados Entrega"), this);
    m_entrega->setToolTip(QStringLiteral("Visualizar ou Cadastrar os Dados da entrega, também pode ser acessado pela Tecla F4"));
    m_obs = new TBitBtnV(QStringLiteral("Observações"), this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_cadItem, m_excluirItem, m_finalizar, m_consProdutos, m_entrega, m_obs})
        buttons->addWidget(b);

    m_totalItens = readOnlyField(this, Qt::AlignRight);
    m_valorEntrega = readOnlyField(this, Qt::AlignRight);
    m_desconto = new TEditV(this, Qt::AlignRight);
    m_desconto->makeMoney();
    m_total = readOnlyField(this, Qt::AlignRight);
    auto *money = new QGridLayout;
    addLabelled(money, 0, 0, QStringLiteral("Total dos Itens:"), m_totalItens);
    addLabelled(money, 0, 2, QStringLiteral("Valor da Entrega:"), m_valorEntrega);
    addLabelled(money, 1, 0, QStringLiteral("Desconto (R$):"), m_desconto);
    addLabelled(money, 1, 2, QStringLiteral("Valor Total:"), m_total);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    layout->addLayout(money);

    QWidget::setTabOrder(m_codigo, m_codCli);
    QWidget::setTabOrder(m_codCli, m_fone);
    QWidget::setTabOrder(m_fone, m_novoCli);
    QWidget::setTabOrder(m_novoCli, m_alteraCli);
    QWidget::setTabOrder(m_alteraCli, m_buscaCliButton);
    QWidget::setTabOrder(m_buscaCliButton, m_verCli);
    QWidget::setTabOrder(m_verCli, m_grid);
    QWidget::setTabOrder(m_grid, m_cadItem);
    QWidget::setTabOrder(m_cadItem, m_excluirItem);
    QWidget::setTabOrder(m_excluirItem, m_finalizar);
    QWidget::setTabOrder(m_finalizar, m_consProdutos);
    QWidget::setTabOrder(m_consProdutos, m_entrega);
    QWidget::setTabOrder(m_entrega, m_obs);
    QWidget::setTabOrder(m_obs, m_desconto);

    WindowConventions::focusHighlight(this);
    WindowConventions::noTitleBarButtons(this);
    bindKey(Qt::Key_F4, &TfDadosPed::deliveryData);
    bindKey(Qt::Key_F5, &TfDadosPed::customerLookup);
    bindKey(Qt::Key_F7, &TfDadosPed::newCustomer);
    bindKey(Qt::Key_F8, &TfDadosPed::changeCustomer);
    bindKey(Qt::Key_F9, &TfDadosPed::viewCustomer);

    FocusWatch::onEnter(m_codigo, [this] {
        if (m_logic.numberEditable())
            QTimer::singleShot(0, m_codigo, [this] { m_codigo->selectAll(); });
    });
    FocusWatch::onLeave(m_codigo, [this] {
        if (!m_logic.numberEditable())
            return;
        const bool ok = m_logic.leaveNumber(m_codigo->text());
        m_codigo->setText(m_logic.code());
        if (!ok) {
            m_codigo->selectAll();
            focusLater(m_codigo);
        }
    });
    FocusWatch::onLeave(m_fone, [this] {
        afterCustomerSearch(m_logic.leaveTelephone(m_fone->text()), m_fone, OrderField::Telephone);
    });
    FocusWatch::onLeave(m_codCli, [this] {
        afterCustomerSearch(m_logic.leaveCustomerCode(m_codCli->text()), m_codCli, OrderField::Code);
    });
    FocusWatch::onLeave(m_desconto, [this] {
        if (!m_logic.leaveDiscount(m_desconto->text()))
            focusLater(m_desconto);
        pushFigures();
    });
    connect(m_data, &QDateEdit::dateChanged, this, [this](const QDate &d) { m_logic.setDate(d); });
    connect(m_hora, &QTimeEdit::timeChanged, this, [this](const QTime &t) { m_logic.setTime(t); });

    connect(m_novoCli, &QPushButton::clicked, this, &TfDadosPed::newCustomer);
    connect(m_alteraCli, &QPushButton::clicked, this, &TfDadosPed::changeCustomer);
    connect(m_buscaCliButton, &QPushButton::clicked, this, &TfDadosPed::customerLookup);
    connect(m_verCli, &QPushButton::clicked, this, &TfDadosPed::viewCustomer);
    connect(m_cadItem, &QPushButton::clicked, this, &TfDadosPed::addItem);
    connect(m_excluirItem, &QPushButton::clicked, this, &TfDadosPed::removeItem);
    connect(m_finalizar, &QPushButton::clicked, this, &TfDadosPed::finish);
    connect(m_entrega, &QPushButton::clicked, this, &TfDadosPed::deliveryData);
    connect(m_obs, &QPushButton::clicked, this, &TfDadosPed::notes);
}

TfDadosPed::~TfDadosPed() = default;

void TfDadosPed::bindKey(int key, void (TfDadosPed::*action)())
{
    auto *shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
}

void TfDadosPed::setModalRunner(OrderWindowParts::ModalRunner runner)
{
    m_runModal = runner;
    itemWindow();
    deliveryWindow().setModalRunner(runner);
    itemWindow().setModalRunner(runner);
}

TfDadosIPed &TfDadosPed::itemWindow()
{
    if (!m_itemWindow)
        m_itemWindow = new TfDadosIPed(m_logic, this);
    return *m_itemWindow;
}

TfDadosEntrega &TfDadosPed::deliveryWindow()
{
    if (!m_deliveryWindow)
        m_deliveryWindow = new TfDadosEntrega(m_ctx, this);
    return *m_deliveryWindow;
}

TfObsPed &TfDadosPed::notesWindow()
{
    if (!m_notesWindow)
        m_notesWindow = new TfObsPed(m_logic, this);
    return *m_notesWindow;
}

bool TfDadosPed::prepare(OrderMode mode, const QString &code)
{
    m_finishing = false;
    if (!m_logic.open(mode, code))
        return false;
    setWindowTitle(m_logic.caption());
    push();
    return true;
}

bool TfDadosPed::openOrder(OrderMode mode, const QString &code)
{
    if (!prepare(mode, code))
        return false;
    exec();
    return true;
}

void TfDadosPed::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_logic.mode() == OrderMode::Inclui)
        m_fone->setFocus();
    else
        m_finalizar->setFocus();
}

void TfDadosPed::reject()
{
    // Esc: the window is left through "Finalizar" only.
}

void TfDadosPed::closeEvent(QCloseEvent *event)
{
    if (m_finishing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void TfDadosPed::push()
{
    m_codigo->setText(m_logic.code());
    m_codigo->setReadOnly(!m_logic.numberEditable());
    const bool editable = m_logic.customerEditable();
    m_codCli->setReadOnly(!editable);
    m_fone->setReadOnly(!editable);
    m_desconto->setReadOnly(!editable);
    m_data->setEnabled(m_logic.mode() == OrderMode::Inclui);
    m_hora->setEnabled(m_logic.mode() == OrderMode::Inclui);
    m_data->setDate(m_logic.date());
    m_hora->setTime(m_logic.time());
    m_situacao->setText(m_logic.statusText());
    pushCustomer();
    m_model->setRows(m_logic.items());
    pushFigures();
}

void TfDadosPed::pushCustomer()
{
    const OrderEntryLogic::Customer &c = m_logic.customer();
    m_codCli->setText(c.code);
    m_fone->setText(c.fone);
    m_nome->setText(c.nome);
    m_ender->setText(c.ender);
    m_numero->setText(c.numero);
    m_comple->setText(c.comple);
    m_bairro->setText(c.bairro);
    m_cid->setText(c.cid);
    m_uf->setText(c.uf);
}

void TfDadosPed::pushFigures()
{
    m_totalItens->setText(BrFormat::money(m_logic.itemsTotal()));
    m_valorEntrega->setText(BrFormat::money(m_logic.deliveryValue()));
    m_desconto->setText(BrFormat::money(m_logic.discount()));
    m_total->setText(BrFormat::money(m_logic.total()));
}

void TfDadosPed::afterCustomerSearch(OrderEntryLogic::CustomerSearch result, TEditV *field, OrderField order)
{
    using S = OrderEntryLogic::CustomerSearch;
    switch (result) {
    case S::Nothing:
        return;
    case S::Found:
        pushCustomer();
        focusLater(m_cadItem);
        return;
    case S::Cleared:
        pushCustomer();
        return;
    case S::Refused:
        focusLater(field);
        return;
    case S::Register: {
        const CustomerDataOutcome outcome = openCustomer(CustomerRequest::addFromOrder(order, m_fone->text()));
        if (outcome.handBack)
            (outcome.handBack->target == OrderField::Telephone ? m_fone : m_codCli)->setText(outcome.handBack->value);
        // Leaving the field again finds the customer just registered.
        focusLater(field);
        return;
    }
    }
}

CustomerDataOutcome TfDadosPed::openCustomer(const CustomerRequest &request)
{
    if (m_openCustomer)
        return m_openCustomer(request);
    for (QWidget *w = parentWidget(); w; w = w->parentWidget())
        if (RegisterWindows *registers = RegisterWindows::of(w))
            return registers->openCustomerData(request);
    auto *own = findChild<RegisterWindows *>(QString(), Qt::FindDirectChildrenOnly);
    if (!own)
        own = new RegisterWindows(m_ctx, this);
    return own->openCustomerData(request);
}

void TfDadosPed::newCustomer()
{
    if (!m_logic.customerEditable())
        return;
    const CustomerDataOutcome outcome = openCustomer(CustomerRequest::addFromOrder(OrderField::Telephone, m_fone->text()));
    if (outcome.handBack)
        (outcome.handBack->target == OrderField::Telephone ? m_fone : m_codCli)->setText(outcome.handBack->value);
    focusLater(m_fone);
}

void TfDadosPed::changeCustomer()
{
    if (!m_logic.canChangeCustomer())
        return;
    openCustomer(CustomerRequest::changeFromOrder(m_logic.customer().code, m_fone->text()));
    focusLater(m_codCli);
}

void TfDadosPed::viewCustomer()
{
    if (m_logic.canViewCustomer())
        openCustomer(CustomerRequest::viewFromOrder(m_logic.customer().code, m_fone->text()));
}

void TfDadosPed::customerLookup()
{
    if (!m_logic.customerEditable())
        return;
    if (!m_buscaCli) {
        m_buscaCli = new TfBuscaCli(m_ctx, this);
        m_buscaCli->registry().add(kOrigem, [this](const QString &code) {
            m_codCli->setText(code);
            m_codCli->setFocus();
        });
    }
    m_buscaCli->setOrigem(kOrigem);
    m_runModal(*m_buscaCli);
}

void TfDadosPed::addItem()
{
    if (!m_logic.startAddingItems())
        return;
    m_codigo->setReadOnly(true);
    itemWindow().prepareShowing();
    m_runModal(itemWindow());
    push();
}

void TfDadosPed::removeItem()
{
    const QModelIndex current = m_grid->currentIndex();
    m_logic.removeItem(current.isValid() ? current.row() : 0);
    push();
}

void TfDadosPed::deliveryData()
{
    if (!m_logic.canOpenDelivery())
        return;
    deliveryWindow().openFromOrderEntry(m_logic);
    pushFigures();
}

void TfDadosPed::notes()
{
    notesWindow().prepareShowing();
    m_runModal(notesWindow());
}

void TfDadosPed::finish()
{
    // A discount still being typed counts as left.
    if (m_logic.customerEditable() && !m_logic.leaveDiscount(m_desconto->text()))
        return;
    const OrderEntryLogic::FinishResult result = m_logic.finish();
    if (result.reloadList)
        emit listChanged();
    if (result.close) {
        m_finishing = true;
        accept();
    }
}
