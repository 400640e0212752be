#include "utilities/ui/TfBackup.h"

#include "controls/ui/WindowConventions.h"
#include "utilities/BackupLogic.h"
#include "utilities/ui/WorkIndicator.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfBackup::TfBackup(BackupLogic &logic, QWidget *parent) : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("TfBackup"));
    setWindowTitle(QStringLiteral("Backup dos Dados do Sistema"));
    WindowConventions::noTitleBarButtons(this);

    auto *title = new QLabel(QStringLiteral("Backup dos Dados Cadastrados"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    auto *caption = new QLabel(QStringLiteral("Local onde o Backup dos Dados Será Feito:"), this);
    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("edArquivo"));
    m_file->setReadOnly(true);
    m_file->setMinimumWidth(420);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lbServidor"));
    m_note->setWordWrap(true);
    m_work = new WorkIndicator(this);

    m_gerar = new QPushButton(QStringLiteral("Gerar Backup"), this);
    m_gerar->setObjectName(QStringLiteral("btGerar"));
    m_escolher = new QPushButton(QStringLiteral("Escolher Pasta"), this);
    m_escolher->setObjectName(QStringLiteral("btEscolher"));
    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    m_fechar->setObjectName(QStringLiteral("btFechar"));

    connect(m_escolher, &QPushButton::clicked, this, [this] {
        m_logic.escolherPasta();
        refresh();
    });
    connect(m_gerar, &QPushButton::clicked, this,
            [this] { m_logic.gerarBackup(m_work->observer({m_gerar, m_escolher, m_fechar})); });
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_gerar);
    buttons->addWidget(m_escolher);
    buttons->addStretch();
    buttons->addWidget(m_fechar);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addWidget(caption);
    layout->addWidget(m_file);
    layout->addWidget(m_note);
    layout->addWidget(m_work);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void TfBackup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_logic.prepare();
    refresh();
}

void TfBackup::refresh()
{
    m_file->setText(m_logic.backupFile());
    m_note->setText(m_logic.whereNote());
    m_note->setVisible(!m_note->text().isEmpty());
}
