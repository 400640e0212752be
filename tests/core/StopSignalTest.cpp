#include "support/TestEnvironment.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

// The real program, on a fresh local installation, stopped by a real signal
// while a register window is open: it ends as "Saída" ends it, at once and
// with status 0 (a desktop logout sends SIGTERM, a terminal SIGINT or SIGHUP).
namespace {

struct StopCase {
    int signalNumber;
    const char *signalName;
    const char *window; // what is open when the signal comes: "list" or "data"
};

void PrintTo(const StopCase &c, std::ostream *os) { *os << c.signalName << " with the " << c.window << " window open"; }

class StopSignalTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopSignalTest, EndsTheProgramCleanlyWithinTwoSeconds)
{
    const StopCase c = GetParam();
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(::testing::Message() << "run " << run);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        copyFreshDatabase(dir.path());
        QFile(dir.filePath(QStringLiteral("single"))).open(QIODevice::WriteOnly);
        const QString opened = dir.filePath(QStringLiteral("opened"));

        QProcess program;
        program.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELMORA_WINDOW_OPENER));
        env.insert(QStringLiteral("VELMORA_OPEN"), QString::fromLatin1(c.window));
        env.insert(QStringLiteral("VELMORA_OPENED"), opened);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELMORA_APP), {});
        ASSERT_TRUE(program.waitForStarted());

        QDeadlineTimer openDeadline(30000);
        while (!QFile::exists(opened) && program.state() == QProcess::Running && !openDeadline.hasExpired())
            program.waitForFinished(50);
        ASSERT_TRUE(QFile::exists(opened)) << "the window did not open: " << program.readAllStandardError().toStdString();
        ASSERT_EQ(program.state(), QProcess::Running);
        // The window has been open for a moment, as a person would have it.
        QThread::msleep(200);

        ::kill(pid_t(program.processId()), c.signalNumber);
        const bool ended = program.waitForFinished(2000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        ASSERT_TRUE(ended) << "still running two seconds after the signal";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(, StopSignalTest,
                         ::testing::Values(StopCase{SIGTERM, "SIGTERM", "list"}, StopCase{SIGTERM, "SIGTERM", "data"},
                                           StopCase{SIGINT, "SIGINT", "data"}, StopCase{SIGHUP, "SIGHUP", "list"}),
                         [](const ::testing::TestParamInfo<StopCase> &info) {
                             return std::string(info.param.signalName) + "_" + info.param.window;
                         });

} // namespace
