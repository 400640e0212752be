#include "core/ui/TfSobre.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfSobre::TfSobre(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Sobre"));
    setObjectName(QStringLiteral("TfSobre"));

    auto *name = new QLabel(kProductName, this);
    name->setObjectName(QStringLiteral("lbProduto"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("lbVersao"));
    m_version->setAlignment(Qt::AlignCenter);

    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    fechar->setObjectName(QStringLiteral("btFechar"));
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fechar);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(m_version);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setVersion(QString());
}

void TfSobre::setVersion(const QString &versaoSistema)
{
    m_version->setText(QStringLiteral("Versão:") + versaoSistema);
}
