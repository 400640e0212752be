#include "stock/ui/StockForm.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/WindowConventions.h"
#include "core/ui/FocusWatch.h"
#include "orders/ui/LookupWindow.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

StockForm::StockForm(const QString &caption, const QString &title, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(caption);
    WindowConventions::noTitleBarButtons(this);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(title, this);
    heading->setFont(ControlFonts::bold(12));
    layout->addWidget(heading);
    m_form = new QFormLayout;
    layout->addLayout(m_form);

    m_code = new TEditV(this, Qt::AlignRight);
    m_code->setObjectName(QStringLiteral("PRO_CODIGO"));
    m_code->setMaxLength(10);
    m_lookup = new QToolButton(this);
    m_lookup->setObjectName(QStringLiteral("BuscaProduto"));
    m_lookup->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_lookup->setFocusPolicy(Qt::NoFocus);
    auto *codeRow = new QHBoxLayout;
    codeRow->addWidget(m_code);
    codeRow->addWidget(m_lookup);
    codeRow->addStretch();
    m_form->addRow(QStringLiteral("Código:"), codeRow);

    auto *buttons = new QHBoxLayout;
    auto button = [&](const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(text);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_gravar = button(QStringLiteral("Gravar"));
    m_limpa = button(QStringLiteral("Limpa"));
    m_fechar = button(QStringLiteral("Fechar"));
    layout->addLayout(buttons);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::reject);
    WindowConventions::enterMovesOn(this);
}

TEditV *StockForm::addLine(const QString &name, const QString &label)
{
    auto *e = new TEditV(this);
    e->setObjectName(name);
    addRow(label, e);
    return e;
}

TEditV *StockForm::addShown(const QString &name, const QString &label)
{
    TEditV *e = addLine(name, label);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QDateEdit *StockForm::addDate(const QString &name, const QString &label)
{
    auto *date = new QDateEdit(this);
    date->setObjectName(name);
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date->setCalendarPopup(true);
    addRow(label, date);
    return date;
}

void StockForm::addRow(const QString &label, QWidget *field)
{
    m_form->addRow(label, field);
    m_fields.push_back(field);
}

void StockForm::finishForm()
{
    QWidget *previous = m_code;
    for (QWidget *w : m_fields) {
        setTabOrder(previous, w);
        previous = w;
    }
    for (QWidget *b : {static_cast<QWidget *>(m_gravar), static_cast<QWidget *>(m_limpa),
                       static_cast<QWidget *>(m_fechar)}) {
        setTabOrder(previous, b);
        previous = b;
    }
    WindowConventions::focusHighlight(this);
}

void StockForm::connectProductSteps(LookupWindow &lookup, const QString &origem, QWidget *quantity)
{
    m_productLookup = &lookup;
    m_origem = origem;
    m_quantity = quantity;
    lookup.registry().add(origem, [this](const QString &code) {
        m_code->setText(code);
        m_code->setFocus();
    });
    WindowConventions::f5OpensLookup(m_code, [this] { openLookup(); });
    connect(m_lookup, &QToolButton::clicked, this, [this] { openLookup(); });

    FocusWatch::onLeave(m_code, [this] {
        pull();
        const bool ok = leaveCode();
        push();
        if (!ok)
            QTimer::singleShot(0, m_code, [this] { m_code->setFocus(); });
    });
    connect(m_gravar, &QPushButton::clicked, this, [this] {
        pull();
        const bool saved = save();
        push();
        focusOn(saved ? StockFocus::Code : focusAfterFailedSave());
    });
    connect(m_limpa, &QPushButton::clicked, this, [this] {
        clearLogic();
        push();
        focusOn(StockFocus::Code);
    });
}

void StockForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        clearLogic();
        push();
        focusOn(StockFocus::Code);
    }
    QDialog::showEvent(event);
}

void StockForm::openLookup()
{
    m_productLookup->setOrigem(m_origem);
    m_productLookup->exec();
}

void StockForm::focusOn(StockFocus focus)
{
    if (focus == StockFocus::Code)
        m_code->setFocus();
    else if (focus == StockFocus::Quantity && m_quantity)
        m_quantity->setFocus();
}
