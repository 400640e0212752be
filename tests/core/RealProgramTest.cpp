#include "core/WorkingFiles.h"
#include "support/TestEnvironment.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

// The real program in a working folder of its own, driven from outside by a
// preloaded helper that opens a window (VELMORA_OPEN) and writes a file once
// it shows.
namespace {

class RealProgram {
public:
    explicit RealProgram(const QString &workDir) : m_opened(workDir + QStringLiteral("/opened"))
    {
        m_process.setWorkingDirectory(workDir);
    }

    void start(const char *open)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELMORA_WINDOW_OPENER));
        env.insert(QStringLiteral("VELMORA_OPEN"), QString::fromLatin1(open));
        env.insert(QStringLiteral("VELMORA_OPENED"), m_opened);
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(VELMORA_APP), {});
        m_process.waitForStarted();
    }

    // What the helper wrote once the window showed; empty when it never did.
    QByteArray waitUntilOpened()
    {
        QDeadlineTimer deadline(30000);
        while (!QFile::exists(m_opened) && m_process.state() == QProcess::Running && !deadline.hasExpired())
            m_process.waitForFinished(50);
        QFile marker(m_opened);
        return marker.open(QIODevice::ReadOnly) ? marker.readAll() : QByteArray();
    }

    // True when the program ended by itself within the time; it is killed otherwise.
    bool endsWithin(int milliseconds)
    {
        if (m_process.state() == QProcess::NotRunning || m_process.waitForFinished(milliseconds))
            return true;
        m_process.kill();
        m_process.waitForFinished();
        return false;
    }

    QProcess &process() { return m_process; }

private:
    QString m_opened;
    QProcess m_process;
};

struct StopCase {
    int signalNumber;
    const char *signalName;
    const char *window; // what is open when the signal comes: "list" or "data"
};

void PrintTo(const StopCase &c, std::ostream *os) { *os << c.signalName << " with the " << c.window << " window open"; }

// Stopped by a real signal while a register window is open (a desktop logout
// sends SIGTERM, a terminal SIGINT or SIGHUP), the program ends as "Saída"
// ends it, at once and with status 0.
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

        RealProgram program(dir.path());
        program.start(c.window);
        ASSERT_EQ(program.waitUntilOpened(), QByteArray(c.window))
            << program.process().readAllStandardError().toStdString();
        ASSERT_EQ(program.process().state(), QProcess::Running);
        QThread::msleep(200); // open for a moment, as a person would have it

        ::kill(pid_t(program.process().processId()), c.signalNumber);
        ASSERT_TRUE(program.endsWithin(2000)) << "still running two seconds after the signal";
        EXPECT_EQ(program.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.process().exitCode(), 0) << program.process().readAllStandardError().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(, StopSignalTest,
                         ::testing::Values(StopCase{SIGTERM, "SIGTERM", "list"}, StopCase{SIGTERM, "SIGTERM", "data"},
                                           StopCase{SIGINT, "SIGINT", "data"}, StopCase{SIGHUP, "SIGHUP", "list"}),
                         [](const ::testing::TestParamInfo<StopCase> &info) {
                             return std::string(info.param.signalName) + "_" + info.param.window;
                         });

// On a new installation the location setup shows alone, without the splash
// behind it; "Sair do Programa" ends the program at once. Any message box
// would keep the program waiting, so ending in time means none was shown.
TEST(RealProgramSetup, SairDoProgramaEndsTheProgramWithoutAMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    copyFreshDatabase(dir.path()); // even a database beside it is not looked for

    RealProgram program(dir.path());
    program.start("sair");
    EXPECT_EQ(program.waitUntilOpened(), QByteArray("splash hidden"));
    ASSERT_TRUE(program.endsWithin(5000)) << "the program waited after \"Sair do Programa\"";
    EXPECT_EQ(program.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process().exitCode(), 0);
    EXPECT_FALSE(WorkingFiles::exists(dir.path(), QStringLiteral("Config.ini")));
}

} // namespace
