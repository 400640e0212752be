#include "core/ui/TfConfig_BancoDados.h"

#include "controls/ui/WindowConventions.h"

#include "core/ConfigBancoDadosLogic.h"
#include "core/ConnectionMessages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfConfig_BancoDados::TfConfig_BancoDados(ConfigBancoDadosLogic &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("TfConfig_BancoDados"));
    setWindowTitle(QStringLiteral("Configurações do Banco de Dados"));
    auto *layout = new QVBoxLayout(this);

    auto *title = new QLabel(QStringLiteral("Configuração do Banco de Dados"), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    title->setFont(bold);
    layout->addWidget(title);

    layout->addWidget(new QLabel(
        QStringLiteral("Caminho do Banco de Dados no Servidor(Local onde está o arquivo VD.FDB):"), this));
    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("edtPasta"));
    layout->addWidget(m_folder);

    for (const QString &help : {
             QStringLiteral("Caso Seja o Servidor deixe como está e clique em Salvar."),
             QStringLiteral("Caso Seja uma Estação digite o endereço do servidor na rede, ou seja,"
                            " o IP do servidor :(dois pontos) e o caminho onde está o arquivo VD.FDB"),
             ConnectionMessages::kSupportContact,
         }) {
        auto *line = new QLabel(help, this);
        line->setWordWrap(true);
        layout->addWidget(line);
    }

    auto *buttons = new QHBoxLayout;
    m_gravar = new QPushButton(QStringLiteral("Gravar"), this);
    m_sair = new QPushButton(QStringLiteral("Sair do Programa"), this);
    m_testar = new QPushButton(QStringLiteral("Testar"), this);
    for (QPushButton *b : {m_gravar, m_sair, m_testar}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(m_gravar, &QPushButton::clicked, this, &TfConfig_BancoDados::gravar);
    connect(m_sair, &QPushButton::clicked, this, &TfConfig_BancoDados::sair);
    connect(m_testar, &QPushButton::clicked, this, &TfConfig_BancoDados::testar);
    resize(560, 260);
    WindowConventions::focusHighlight(this);
}

void TfConfig_BancoDados::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_folder->setText(m_logic.initialFolder());
    m_folder->setFocus();
}

void TfConfig_BancoDados::testar()
{
    if (m_logic.testar(m_folder->text()) == ConfigBancoDadosLogic::Outcome::Failed)
        clearAndFocus();
}

void TfConfig_BancoDados::gravar()
{
    if (m_logic.gravar(m_folder->text()) == ConfigBancoDadosLogic::Outcome::Saved)
        accept();
    else
        clearAndFocus();
}

void TfConfig_BancoDados::sair()
{
    m_logic.sairDoPrograma();
    reject();
}

void TfConfig_BancoDados::clearAndFocus()
{
    m_folder->clear();
    m_folder->setFocus();
}
