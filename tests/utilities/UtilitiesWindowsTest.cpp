#include "core/ui/TfPrincipal.h"
#include "utilities/BackupLogic.h"
#include "utilities/RestoreLogic.h"
#include "utilities/ui/TfBackup.h"
#include "utilities/ui/TfRestaura_Backup.h"
#include "utilities/ui/UtilitiesWindows.h"
#include "utilities/ui/WorkIndicator.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs `step` inside the exec() of the modal window of type W.
template <class W> void whenModal(std::function<void(W &)> step, int triesLeft = 200)
{
    QTimer::singleShot(10, [step = std::move(step), triesLeft] {
        if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget()); w && w->isVisible()) {
            step(*w);
            return;
        }
        if (triesLeft > 0)
            whenModal<W>(step, triesLeft - 1);
        else
            ADD_FAILURE() << "window " << W::staticMetaObject.className() << " never opened";
    });
}

class UtilitiesWindowsTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        QFile marker(workDir() + QStringLiteral("/single"));
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        UtilitiesWindows::plugInto(principal, ctx);
        principal.setEndProgramHandler([this] { ++endRequests; });
    }
    void choose(const char *item)
    {
        QAction *a = principal.menuAction({QStringLiteral("Utilitários"), QString::fromUtf8(item)});
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
    }

    TfPrincipal principal{ctx};
    int endRequests = 0;
};

TEST_F(UtilitiesWindowsTest, BackupThenRestoreEndsTheProgramWithoutConnectingAgain)
{
    const QString backupFile = workDir() + QStringLiteral("/backup.gbk");
    whenModal<TfBackup>([&](TfBackup &w) {
        EXPECT_EQ(w.fileField()->text(), backupFile);
        EXPECT_TRUE(w.fileField()->isReadOnly());
        QTest::mouseClick(w.gerarButton(), Qt::LeftButton);
        EXPECT_FALSE(w.workIndicator()->isWorking());
        EXPECT_FALSE(w.workIndicator()->isVisible());
        EXPECT_TRUE(w.gerarButton()->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        QTest::mouseClick(w.fecharButton(), Qt::LeftButton);
    });
    choose("Backup");
    EXPECT_TRUE(messages.showedOnly(ScriptedMessages::Kind::Information, BackupLogic::kSucesso));
    EXPECT_TRUE(QFile::exists(backupFile));
    EXPECT_EQ(endRequests, 0);

    messages.clear();
    whenModal<TfRestaura_Backup>([&](TfRestaura_Backup &w) {
        EXPECT_EQ(w.databaseField()->text(), dbPath());
        EXPECT_TRUE(w.backupField()->text().isEmpty());
        messages.fileNameNext(backupFile);
        QTest::mouseClick(w.procurarButton(), Qt::LeftButton);
        EXPECT_EQ(w.backupField()->text(), backupFile);
        messages.answerNext(true);
        QTest::mouseClick(w.restaurarButton(), Qt::LeftButton);
        if (w.isVisible()) {
            ADD_FAILURE() << "the restore window stayed open";
            w.reject();
        }
    });
    choose("Restaura Backup");
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown()[1], (ScriptedMessages::Shown{ScriptedMessages::Kind::Information, RestoreLogic::kSucesso}));
    EXPECT_EQ(endRequests, 1);
    EXPECT_FALSE(db.isOpen());
}

TEST_F(UtilitiesWindowsTest, ClosingTheRestoreWindowKeepsTheProgramRunning)
{
    whenModal<TfRestaura_Backup>([&](TfRestaura_Backup &w) {
        QTest::mouseClick(w.restaurarButton(), Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());
        QTest::mouseClick(w.fecharButton(), Qt::LeftButton);
    });
    choose("Restaura Backup");
    EXPECT_TRUE(messages.showedOnly(ScriptedMessages::Kind::Warning, RestoreLogic::kFalha + RestoreLogic::kSemBackup));
    EXPECT_EQ(endRequests, 0);
    EXPECT_TRUE(db.isOpen());
}

// While the server works the window shows the busy state and keeps its
// buttons out of reach; afterwards everything is as before.
TEST(WorkIndicatorTest, BusyWhileTheServerWorks)
{
    QWidget window;
    auto *indicator = new WorkIndicator(&window);
    auto *gerar = new QPushButton(&window);
    auto *fechar = new QPushButton(&window);
    fechar->setEnabled(false);
    window.show();

    const WorkObserver observer = indicator->observer({gerar, fechar});
    observer.started();
    EXPECT_TRUE(indicator->isVisible());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_FALSE(gerar->isEnabled());
    observer.progress(QStringLiteral("gbak:writing tables"));
    observer.progress(QString());
    EXPECT_EQ(indicator->lastLine(), QStringLiteral("gbak:writing tables"));
    observer.finished();

    EXPECT_FALSE(indicator->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(gerar->isEnabled());
    EXPECT_FALSE(fechar->isEnabled()) << "a control disabled before stays disabled";
}

} // namespace
