#include "utilities/ui/WorkIndicator.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

WorkIndicator::WorkIndicator(QWidget *parent) : QWidget(parent)
{
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pbProgresso"));
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 0);
    m_line = new QLabel(this);
    m_line->setObjectName(QStringLiteral("lbLinhaServidor"));
    m_line->setTextFormat(Qt::PlainText);
    m_line->setMinimumWidth(360);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bar);
    layout->addWidget(m_line);
    setVisible(false);
}

WorkIndicator::~WorkIndicator()
{
    if (m_working)
        finish();
}

WorkObserver WorkIndicator::observer(QList<QWidget *> controls)
{
    return {.started = [this, controls] { start(controls); },
            .progress =
                [this](const QString &line) {
                    if (!line.isEmpty())
                        m_line->setText(line);
                    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                },
            .finished = [this] { finish(); }};
}

QString WorkIndicator::lastLine() const { return m_line->text(); }

void WorkIndicator::start(const QList<QWidget *> &controls)
{
    m_working = true;
    m_disabled.clear();
    for (QWidget *w : controls) {
        if (w->isEnabled()) {
            w->setEnabled(false);
            m_disabled.append(w);
        }
    }
    m_line->setText(QStringLiteral("Aguarde..."));
    setVisible(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WorkIndicator::finish()
{
    m_working = false;
    QApplication::restoreOverrideCursor();
    setVisible(false);
    for (QWidget *w : std::as_const(m_disabled))
        w->setEnabled(true);
    m_disabled.clear();
}
