#include "registers/ui/RegisterListWindow.h"
#include "controls/ui/WindowConventions.h"

#include <QPushButton>

RegisterListWindow::RegisterListWindow(std::unique_ptr<RecordListLogic> logic, QWidget *parent)
    : RecordListWindow(*logic, parent), m_owned(std::move(logic))
{
    using B = RecordListLogic::Button;
    const struct { B button; QString caption; QString modo; } actions[] = {
        {B::Novo, QStringLiteral("Novo"), QStringLiteral("Inclui")},
        {B::Altera, QStringLiteral("Altera"), QStringLiteral("Altera")},
        {B::Exclui, m_owned->description().deleteButtonCaption, QStringLiteral("Exclui")},
        {B::Consulta, QStringLiteral("Consulta"), QStringLiteral("Consulta")},
    };
    for (const auto &a : actions) {
        QPushButton *b = addButton(a.caption);
        m_actions[int(a.button)] = b;
        const B button = a.button;
        const QString modo = a.modo;
        connect(b, &QPushButton::clicked, this, [this, button, modo] {
            if (!m_owned->gate(button))
                return;
            openData(modo, button == B::Novo ? QString() : m_owned->currentCode());
        });
    }
    connect(addButton(QStringLiteral("Fechar")), &QPushButton::clicked, this, &QDialog::reject);
    WindowConventions::enterMovesOn(this);
}

RegisterListWindow::~RegisterListWindow() = default;

void RegisterListWindow::reloadList()
{
    m_owned->reload();
    refresh();
}
