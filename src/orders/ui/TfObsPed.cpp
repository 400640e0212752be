#include "orders/ui/TfObsPed.h"

#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TMemoV.h"
#include "controls/ui/WindowConventions.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TfObsPed::TfObsPed(OrderEntryLogic &order, QWidget *parent) : QDialog(parent), m_logic(order)
{
    setObjectName(QStringLiteral("TfObsPed"));
    setWindowTitle(QStringLiteral("Observações do Pedido"));
    m_text = new TMemoV(this);
    m_text->setMinimumHeight(120);
    m_gravar = new TBitBtnV(QStringLiteral("Gravar"), this);
    m_limpar = new TBitBtnV(QStringLiteral("Limpar"), this);
    m_fechar = new TBitBtnV(QStringLiteral("Fechar"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {m_gravar, m_limpar, m_fechar})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    WindowConventions::focusHighlight(this);
    WindowConventions::noTitleBarButtons(this);

    // PED_OBS holds 300 characters; the field takes no more.
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_text->toPlainText();
        if (text.size() > OrderNotesLogic::kWidth)
            m_text->setPlainText(text.left(OrderNotesLogic::kWidth));
    });
    connect(m_gravar, &QPushButton::clicked, this, [this] {
        if (m_logic.save(m_text->toPlainText()))
            accept();
    });
    connect(m_limpar, &QPushButton::clicked, m_text, &QPlainTextEdit::clear);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::accept);
}

void TfObsPed::prepareShowing()
{
    const bool editable = m_logic.editable();
    m_text->setReadOnly(!editable);
    m_gravar->setVisible(editable);
    m_limpar->setVisible(editable);
    m_text->setPlainText(m_logic.load());
}

void TfObsPed::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_text->setFocus();
}

void TfObsPed::reject()
{
    // Left through "Fechar".
}
