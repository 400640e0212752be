#include "registers/ui/TfDadosPro.h"
#include "controls/ui/WindowConventions.h"
#include "controls/ui/TEditV.h"

#include "core/ui/FocusWatch.h"

#include <QComboBox>
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

QComboBox *yesNo(QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->addItems({QStringLiteral("Sim"), QStringLiteral("Não")});
    return c;
}

} // namespace

TfDadosPro::TfDadosPro(AppContext &ctx, QWidget *parent) : QDialog(parent), m_logic(ctx)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    layout->addWidget(m_title);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    auto line = [&](const QString &label, int maxLength = 0) {
        auto *e = new TEditV(this);
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        form->addRow(label, e);
        return e;
    };
    m_code = line(ProductLogic::codeField().label, ProductLogic::codeField().width);
    m_code->setAlignment(Qt::AlignRight);
    m_description = line(ProductLogic::descriptionField().label, ProductLogic::descriptionField().width);
    m_unit = line(ProductLogic::unitField().label, ProductLogic::unitField().width);
    m_pf = yesNo(this);
    form->addRow(QStringLiteral("Produto Próprio ?"), m_pf);
    m_feito = yesNo(this);
    form->addRow(QStringLiteral("Feito na Hora ?"), m_feito);
    m_ativo = yesNo(this);
    form->addRow(QStringLiteral("Ativo:"), m_ativo);
    m_quantity = line(QStringLiteral("Quantidade em Estoque"));
    m_quantity->setReadOnly(true);
    m_quantity->setFocusPolicy(Qt::NoFocus);
    m_minimum = line(QStringLiteral("Estoque Mínimo:"));
    m_maximum = line(QStringLiteral("Estoque Máximo"));
    m_cost = line(QStringLiteral("Preço de Custo:"));
    m_margin = line(QStringLiteral("Margem de Lucro:"));
    m_price = line(QStringLiteral("Preço de Venda:"));
    static_cast<TEditV *>(m_quantity)->makeQuantity();
    static_cast<TEditV *>(m_minimum)->makeWhole();
    static_cast<TEditV *>(m_maximum)->makeWhole();
    static_cast<TEditV *>(m_cost)->makeMoney();
    static_cast<TEditV *>(m_margin)->makePercentage();
    static_cast<TEditV *>(m_price)->makeMoney();
    for (QLineEdit *e : {m_quantity, m_minimum, m_maximum, m_cost, m_margin, m_price})
        e->setAlignment(Qt::AlignRight);
    m_lastPurchase = line(QStringLiteral("Última Compra:"));
    m_lastPurchase->setReadOnly(true);
    m_lastPurchase->setFocusPolicy(Qt::NoFocus);
    m_dcad = new QDateEdit(this);
    m_dcad->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_dcad->setCalendarPopup(true);
    form->addRow(QStringLiteral("D.Cadastramento:"), m_dcad);
    m_notes = new QPlainTextEdit(this);
    m_notes->setTabChangesFocus(true);
    connect(m_notes, &QPlainTextEdit::textChanged, this, [this] {
        const int width = ProductLogic::notesField().width;
        if (m_notes->toPlainText().size() > width) {
            m_notes->setPlainText(m_notes->toPlainText().left(width));
            m_notes->moveCursor(QTextCursor::End);
        }
    });
    form->addRow(ProductLogic::notesField().label, m_notes);

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

    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(QStringLiteral("Grava"), this);
    m_limpar = new QPushButton(QStringLiteral("Limpar"), this);
    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    m_excluir = new QPushButton(QStringLiteral("Excluir"), this);
    // Fields are known by their column names (and buttons by caption) to scripts and tests.
    const std::pair<QWidget *, const char *> names[] = {
        {m_code, "PRO_CODIGO"},     {m_description, "PRO_DESCRICAO"}, {m_unit, "PRO_UNID"},
        {m_pf, "PRO_PF"},           {m_feito, "PRO_FEITOHORA"},       {m_ativo, "PRO_ATIVO"},
        {m_minimum, "PRO_MIN"},     {m_maximum, "PRO_EMAX"},          {m_cost, "PRO_PCUSTO"},
        {m_margin, "PRO_MARGEM"},   {m_price, "PRO_PVENDA"},          {m_notes, "PRO_OBS"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    for (QPushButton *b : {m_save, m_limpar, m_fechar, m_excluir}) {
        b->setObjectName(b->text());
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, this, [this] { pull(); finish(m_logic.save()); });
    connect(m_excluir, &QPushButton::clicked, this, [this] { finish(m_logic.remove()); });
    connect(m_limpar, &QPushButton::clicked, this, [this] { m_logic.clear(); push(); });
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::reject);
    WindowConventions::enterMovesOn(this);
    WindowConventions::focusHighlight(this);
}

void TfDadosPro::showEvent(QShowEvent *event)
{
    m_logic.prepare();
    const ModeSetup s = m_logic.modeSetup();
    setWindowTitle(s.title);
    m_title->setText(s.title);
    m_save->setVisible(s.saveVisible);
    m_save->setText(s.saveCaption);
    m_limpar->setVisible(s.clearVisible);
    m_excluir->setVisible(s.deleteVisible);
    for (QLineEdit *e : {m_description, m_unit, m_minimum, m_maximum, m_cost, m_margin, m_price})
        e->setReadOnly(s.fieldsReadOnly);
    m_code->setReadOnly(s.codeReadOnly || s.fieldsReadOnly);
    m_notes->setReadOnly(s.fieldsReadOnly);
    for (QWidget *w : {static_cast<QWidget *>(m_pf), static_cast<QWidget *>(m_ativo), static_cast<QWidget *>(m_dcad)})
        w->setEnabled(!s.fieldsReadOnly);
    push();
    QDialog::showEvent(event);
    focusTarget(s.focus)->setFocus();
}

QWidget *TfDadosPro::focusTarget(ModeSetup::Focus focus) const
{
    switch (focus) {
    case ModeSetup::Focus::Code: return m_code;
    case ModeSetup::Focus::Name: return m_description;
    case ModeSetup::Focus::SaveButton: return m_save;
    case ModeSetup::Focus::DeleteButton: return m_excluir;
    case ModeSetup::Focus::CloseButton: break;
    }
    return m_fechar;
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
    m_logic.registrationDate = m_dcad->date();
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
    m_dcad->setDate(m_logic.registrationDate);
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
