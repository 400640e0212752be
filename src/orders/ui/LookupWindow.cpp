#include "orders/ui/LookupWindow.h"

#include <QPushButton>

LookupWindow::LookupWindow(AppContext &ctx, ListDescription description, QWidget *parent)
    : LookupWindow(std::make_unique<LookupLogic>(ctx, std::move(description)), parent)
{
}

LookupWindow::LookupWindow(std::unique_ptr<LookupLogic> logic, QWidget *parent)
    : RecordListWindow(*logic, parent), m_lookup(std::move(logic))
{
    m_seleciona = addButton(QStringLiteral("Seleciona"));
    QPushButton *fechar = addButton(QStringLiteral("Fechar"));
    connect(m_seleciona, &QPushButton::clicked, this, [this] {
        m_chosen = m_lookup->currentCode();
        m_lookup->seleciona();
        emit selected(*m_chosen);
        accept();
    });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<QString> LookupWindow::choose()
{
    m_chosen.reset();
    exec();
    return m_chosen;
}
