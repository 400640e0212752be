#include "core/ConnectionMessages.h"
#include "core/DbError.h"
#include "core/ui/GuardedApplication.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A click whose handler meets a database error shows the error and leaves the
// window and what was typed in it as they were; the program goes on.
TEST(GuardedApplication, UncaughtErrorOfAHandlerIsShownAndTheProgramGoesOn)
{
    auto *app = qobject_cast<GuardedApplication *>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    QStringList shown;
    app->setErrorDisplay([&](const QString &text) { shown << text; });

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *name = new QLineEdit(QStringLiteral("Maria"));
    auto *save = new QPushButton(QStringLiteral("Gravar"));
    auto *other = new QPushButton(QStringLiteral("Outro"));
    layout->addWidget(name);
    layout->addWidget(save);
    layout->addWidget(other);
    int saves = 0;
    QObject::connect(save, &QPushButton::clicked, [&] {
        ++saves;
        throw DbError(DbError::Category::Connection, QStringLiteral("Unable to complete network request to host"));
    });
    QObject::connect(other, &QPushButton::clicked, [] { throw std::runtime_error("falha"); });
    window.show();

    QTest::mouseClick(save, Qt::LeftButton);
    QTest::mouseClick(other, Qt::LeftButton);
    QTest::mouseClick(save, Qt::LeftButton);
    app->setErrorDisplay(nullptr);

    EXPECT_EQ(saves, 2);
    const QString lost = ConnectionMessages::lostConnection(QStringLiteral("Unable to complete network request to host"));
    EXPECT_TRUE(lost.startsWith(QStringLiteral("A Conexão com o Banco de Dados foi Perdida.")));
    EXPECT_EQ(shown, (QStringList{lost, QStringLiteral("falha"), lost}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(name->text(), QStringLiteral("Maria"));
}

} // namespace
