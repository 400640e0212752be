#include "orders/ui/TfDadosIPed.h"

#include "controls/BrFormat.h"
#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/TMemoV.h"
#include "controls/ui/WindowConventions.h"
#include "core/ui/FocusWatch.h"
#include "orders/OrderEntryLogic.h"
#include "orders/ui/TfBusca_Produtos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kOrigem = QStringLiteral("Pedidos");

void focusLater(QWidget *w)
{
    QTimer::singleShot(0, w, [w] { w->setFocus(); });
}
} // namespace

TfDadosIPed::TfDadosIPed(OrderEntryLogic &order, QWidget *parent) : QDialog(parent), m_order(order), m_logic(order)
{
    setObjectName(QStringLiteral("TfDadosIPed"));
    setWindowTitle(QStringLiteral("Inclusão de Itens "));
    using OrderWindowParts::addLabelled;

    m_codPro = new TEditV(this, Qt::AlignRight);
    m_codPro->setObjectName(QStringLiteral("edCodPro"));
    m_codPro->setMaxLength(OrderItemLogic::kProductCodeWidth);
    m_buscaButton = new TBitBtnV(QStringLiteral("..."), this);
    m_buscaButton->setToolTip(QStringLiteral("Busca de Produtos"));
    m_desc = OrderWindowParts::readOnlyField(this);
    m_quant = new TEditV(this, Qt::AlignRight);
    m_quant->makeQuantity();
    m_valor = new TEditV(this, Qt::AlignRight);
    m_valor->makeMoney();
    m_total = OrderWindowParts::readOnlyField(this, Qt::AlignRight);
    m_obs = new TMemoV(this);
    m_obs->setFixedHeight(60);

    auto *grid = new QGridLayout;
    addLabelled(grid, 0, 0, QStringLiteral("Código:"), m_codPro);
    grid->addWidget(m_buscaButton, 0, 2);
    addLabelled(grid, 1, 0, QStringLiteral("Descrição:"), m_desc, 2);
    addLabelled(grid, 2, 0, QStringLiteral("Quantidade:"), m_quant);
    addLabelled(grid, 3, 0, QStringLiteral("V.Unitário:"), m_valor);
    addLabelled(grid, 4, 0, QStringLiteral("Valor Total:"), m_total);
    addLabelled(grid, 5, 0, QStringLiteral("Observações"), m_obs, 2);

    m_gravar = new TBitBtnV(QStringLiteral("Gravar"), this);
    m_limpar = new TBitBtnV(QStringLiteral("Limpar"), this);
    m_fechar = new TBitBtnV(QStringLiteral("Fechar"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {m_gravar, m_limpar, m_fechar})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    QWidget::setTabOrder(m_codPro, m_buscaButton);
    QWidget::setTabOrder(m_buscaButton, m_quant);
    QWidget::setTabOrder(m_quant, m_valor);
    QWidget::setTabOrder(m_valor, m_obs);
    QWidget::setTabOrder(m_obs, m_gravar);
    QWidget::setTabOrder(m_gravar, m_limpar);
    QWidget::setTabOrder(m_limpar, m_fechar);

    WindowConventions::enterMovesOn(this);
    WindowConventions::focusHighlight(this);
    WindowConventions::noTitleBarButtons(this);
    WindowConventions::f5OpensLookup(m_codPro, [this] { productLookup(); });

    // The note column holds 80 characters; the field takes no more.
    connect(m_obs, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_obs->toPlainText();
        if (text.size() > OrderItemLogic::kNoteWidth)
            m_obs->setPlainText(text.left(OrderItemLogic::kNoteWidth));
    });
    FocusWatch::onEnter(m_codPro, [this] {
        m_codPro->setText(m_codPro->text().trimmed());
        m_desc->clear();
    });
    FocusWatch::onLeave(m_codPro, [this] {
        if (m_codPro->text().trimmed().isEmpty())
            return;
        const bool ok = m_logic.leaveCode(m_codPro->text());
        push();
        focusLater(ok ? static_cast<QWidget *>(m_quant) : m_codPro);
    });
    FocusWatch::onLeave(m_quant, [this] {
        if (!m_logic.leaveQuantity(m_quant->text()))
            focusLater(m_quant);
        push();
    });
    FocusWatch::onLeave(m_valor, [this] {
        if (!m_logic.leavePrice(m_valor->text()))
            focusLater(m_valor);
        push();
    });
    connect(m_buscaButton, &QPushButton::clicked, this, &TfDadosIPed::productLookup);
    connect(m_gravar, &QPushButton::clicked, this, &TfDadosIPed::gravar);
    connect(m_limpar, &QPushButton::clicked, this, [this] {
        prepareShowing();
        m_codPro->setFocus();
    });
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::accept);
}

void TfDadosIPed::prepareShowing()
{
    m_logic.clear();
    m_obs->clear();
    push();
}

void TfDadosIPed::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_codPro->setFocus();
}

void TfDadosIPed::reject()
{
    // Left through "Fechar".
}

void TfDadosIPed::push()
{
    m_codPro->setText(m_logic.code());
    m_desc->setText(m_logic.description());
    m_quant->setText(BrFormat::number(m_logic.quantity(), 3));
    m_valor->setText(BrFormat::money(m_logic.price()));
    m_total->setText(BrFormat::money(m_logic.itemTotal()));
}

void TfDadosIPed::gravar()
{
    const auto result = m_logic.save(m_codPro->text(), m_quant->text(), m_valor->text(), m_obs->toPlainText());
    if (result.saved) {
        m_obs->clear();
        push();
        m_codPro->setFocus();
        return;
    }
    using F = OrderItemLogic::Field;
    switch (result.focus) {
    case F::Code: push(); m_codPro->setFocus(); break;
    case F::Quantity: m_quant->setFocus(); break;
    case F::Price: m_valor->setFocus(); break;
    case F::Note: m_obs->setFocus(); break;
    case F::None: break;
    }
}

void TfDadosIPed::productLookup()
{
    if (!m_busca) {
        m_busca = new TfBusca_Produtos(m_order.context(), this);
        m_busca->registry().add(kOrigem, [this](const QString &code) {
            m_codPro->setText(code);
            m_codPro->setFocus();
        });
    }
    m_busca->setOrigem(kOrigem);
    m_runModal(*m_busca);
}
