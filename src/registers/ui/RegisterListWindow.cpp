#include "registers/ui/RegisterListWindow.h"

#include "controls/ui/WindowConventions.h"
#include "core/ui/RecordDataWindow.h"

#include <QPushButton>

RegisterListWindow::RegisterListWindow(std::unique_ptr<RecordListLogic> logic, RecordDataWindow &data,
                                       QWidget *parent)
    : RecordListWindow(*logic, parent), m_owned(std::move(logic)), m_data(data)
{
    using B = RecordListLogic::Button;
    const struct { B button; QString caption; Modo modo; } actions[] = {
        {B::Novo, QStringLiteral("Novo"), Modo::Inclui},
        {B::Altera, QStringLiteral("Altera"), Modo::Altera},
        {B::Exclui, m_owned->description().deleteButtonCaption, Modo::Exclui},
        {B::Consulta, QStringLiteral("Consulta"), Modo::Consulta},
    };
    for (const auto &a : actions) {
        QPushButton *b = addButton(a.caption);
        m_actions[int(a.button)] = b;
        connect(b, &QPushButton::clicked, this, [this, button = a.button, modo = a.modo] {
            if (!m_owned->gate(button))
                return;
            openData(modo, button == B::Novo ? QString() : m_owned->currentCode());
        });
    }
    connect(addButton(QStringLiteral("Fechar")), &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_data, &RecordDataWindow::listChanged, this, [this] {
        if (isVisible())
            reloadList();
    });
    WindowConventions::enterMovesOn(this);
}

RegisterListWindow::~RegisterListWindow() = default;

void RegisterListWindow::openData(Modo modo, const QString &code)
{
    m_data.dataLogic().open(modo, code);
    m_data.exec();
}

void RegisterListWindow::reloadList()
{
    m_owned->reload();
    refresh();
}
