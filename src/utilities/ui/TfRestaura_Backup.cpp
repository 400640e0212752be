#include "utilities/ui/TfRestaura_Backup.h"

#include "controls/ui/WindowConventions.h"
#include "utilities/RestoreLogic.h"
#include "utilities/ui/WorkIndicator.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *readOnlyField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setMinimumWidth(420);
    return field;
}

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

TfRestaura_Backup::TfRestaura_Backup(RestoreLogic &logic, QWidget *parent) : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("TfRestaura_Backup"));
    setWindowTitle(QStringLiteral("Restaura Backup"));
    WindowConventions::noTitleBarButtons(this);

    auto *title = new QLabel(QStringLiteral("Restaura Backup dos Dados Cadastrados"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    m_backup = readOnlyField(QStringLiteral("edBackup"), this);
    m_database = readOnlyField(QStringLiteral("edBanco"), this);
    m_procurar = button(QStringLiteral("Procurar Backup"), QStringLiteral("btProcurar"), this);
    m_escolhe = button(QStringLiteral("Escolhe a Pasta"), QStringLiteral("btEscolhe"), this);
    m_restaurar = button(QStringLiteral("Restaurar"), QStringLiteral("btRestaurar"), this);
    m_fechar = button(QStringLiteral("Fechar"), QStringLiteral("btFechar"), this);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lbServidor"));
    m_note->setWordWrap(true);
    m_work = new WorkIndicator(this);

    connect(m_procurar, &QPushButton::clicked, this, [this] {
        m_logic.procurarBackup();
        refresh();
    });
    connect(m_escolhe, &QPushButton::clicked, this, [this] {
        m_logic.escolheAPasta();
        refresh();
    });
    connect(m_restaurar, &QPushButton::clicked, this, &TfRestaura_Backup::restaurar);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::reject);

    auto *files = new QGridLayout;
    files->addWidget(new QLabel(QStringLiteral("Local onde o Backup dos Dados foi Feito:"), this), 0, 0, 1, 2);
    files->addWidget(m_backup, 1, 0);
    files->addWidget(m_procurar, 1, 1);
    files->addWidget(new QLabel(QStringLiteral("Local onde o Backup dos Dados Será Restaurado:"), this), 2, 0, 1, 2);
    files->addWidget(m_database, 3, 0);
    files->addWidget(m_escolhe, 3, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_restaurar);
    buttons->addWidget(m_fechar);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addLayout(files);
    layout->addWidget(m_note);
    layout->addWidget(m_work);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void TfRestaura_Backup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_restored = false;
    m_logic.prepare();
    refresh();
}

void TfRestaura_Backup::restaurar()
{
    const auto outcome = m_logic.restaurar(m_work->observer({m_procurar, m_escolhe, m_restaurar, m_fechar}));
    if (outcome == RestoreLogic::Outcome::Restored) {
        m_restored = true;
        accept();
    }
}

void TfRestaura_Backup::refresh()
{
    m_backup->setText(m_logic.backupFile());
    m_database->setText(m_logic.databaseFile());
    m_note->setText(m_logic.whereNote());
    m_note->setVisible(!m_note->text().isEmpty());
}
