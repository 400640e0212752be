#include "core/ui/TfAbertura.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TfAbertura::TfAbertura(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfAbertura"));
    auto *layout = new QVBoxLayout(this);

    auto *title = new QLabel(QStringLiteral("Programa Velmora Delivery"), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title, 1);

    m_status = new QLabel(QStringLiteral("Criando"), this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    layout->addWidget(m_status);

    resize(460, 220);
    centreOnScreen();
}

void TfAbertura::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->repaint();
}

QString TfAbertura::status() const { return m_status->text(); }

void TfAbertura::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
