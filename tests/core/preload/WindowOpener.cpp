// Loaded into the real program (LD_PRELOAD) by the tests that drive it from
// outside. Once the main window shows, it opens "Cadastros > Clientes" and,
// when asked, the customer data window with "Novo", then writes a file so the
// test knows the window is open. Asked for "sair", it presses "Sair do
// Programa" in the database location setup, first writing whether the splash
// window was still showing. Only the test environment sets the variables it
// reads; the program itself has no hook for it.
//
//   VELMORA_OPEN      "list", "data" or "sair"
//   VELMORA_OPENED    the file written once that window is showing

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

namespace {

enum class Step { OpenList, OpenData, Report, Done };

Step g_step = Step::OpenList;

QList<QDialog *> visibleDialogs()
{
    QList<QDialog *> dialogs;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
            dialogs << d;
    return dialogs;
}

QMainWindow *visibleMainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *m = qobject_cast<QMainWindow *>(w); m && m->isVisible())
            return m;
    return nullptr;
}

QAction *actionNamed(QWidget *window, const QString &text)
{
    for (QAction *a : window->findChildren<QAction *>())
        if (a->text().remove(u'&') == text && a->isEnabled())
            return a;
    return nullptr;
}

QPushButton *buttonNamed(QWidget *window, const QString &text)
{
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->text().remove(u'&') == text && b->isEnabled())
            return b;
    return nullptr;
}

// Called from every event loop the program runs, the modal ones included.
bool splashShowing()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("TfAbertura") && w->isVisible())
            return true;
    return false;
}

void writeMarker(const QByteArray &content)
{
    QFile marker(qEnvironmentVariable("VELMORA_OPENED"));
    if (marker.open(QIODevice::WriteOnly))
        marker.write(content);
}

void pressSair()
{
    const QList<QDialog *> dialogs = visibleDialogs();
    QPushButton *sair = dialogs.size() == 1 ? buttonNamed(dialogs.first(), QStringLiteral("Sair do Programa")) : nullptr;
    if (!sair)
        return;
    g_step = Step::Done;
    writeMarker(splashShowing() ? "splash showing" : "splash hidden");
    QTimer::singleShot(0, sair, &QPushButton::click);
}

void advance()
{
    const QByteArray wanted = qgetenv("VELMORA_OPEN");
    if (wanted == "sair" && g_step != Step::Done) {
        pressSair();
        return;
    }
    switch (g_step) {
    case Step::OpenList: {
        QMainWindow *main = visibleMainWindow();
        QAction *clientes = main && visibleDialogs().isEmpty() ? actionNamed(main, QStringLiteral("Clientes")) : nullptr;
        if (!clientes)
            return;
        g_step = wanted == "data" ? Step::OpenData : Step::Report;
        // Queued: a window opened inside this timer's own slot would stop it
        // from firing again while the window's loop runs.
        QTimer::singleShot(0, clientes, &QAction::trigger);
        return;
    }
    case Step::OpenData: {
        const QList<QDialog *> dialogs = visibleDialogs();
        QPushButton *novo = dialogs.size() == 1 ? buttonNamed(dialogs.first(), QStringLiteral("Novo")) : nullptr;
        if (!novo)
            return;
        g_step = Step::Report;
        QTimer::singleShot(0, novo, &QPushButton::click);
        return;
    }
    case Step::Report: {
        if (visibleDialogs().size() != (wanted == "data" ? 2 : 1))
            return;
        g_step = Step::Done;
        writeMarker(wanted);
        return;
    }
    case Step::Done:
        return;
    }
}

void startOpener()
{
    if (qEnvironmentVariableIsEmpty("VELMORA_OPEN") || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    auto *timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, advance);
    timer->start(50);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startOpener)
