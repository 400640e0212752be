#include "core/IniFile.h"
#include "core/WorkingFiles.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class IniFileTest : public WorkDirTest {};

TEST_F(IniFileTest, ReadsWhatWindowsToolsWrite)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        QString section, key, expected;
    };
    const std::vector<Case> cases{
        {"CRLF", "[PASTA]\r\nPATH=192.168.0.10:C:\\Dados\r\n", "PASTA", "PATH", "192.168.0.10:C:\\Dados"},
        {"LF, names in other case", "[pasta]\npath=/srv/vd\n", "PASTA", "PATH", "/srv/vd"},
        {"byte-order mark", "\xEF\xBB\xBF[PASTA]\r\nPATH=/srv/vd\r\n", "Pasta", "Path", "/srv/vd"},
        {"blanks around the equals sign", "[Impressora]\r\n NroLin = 4 \r\n", "Impressora", "NroLin", "4"},
        {"Windows-1252 text", "[Impressora]\r\nOBS=Aten\xE7\xE3o\r\n", "Impressora", "OBS", QStringLiteral("Atenção")},
        {"key of another section", "[A]\r\nPATH=x\r\n[PASTA]\r\nOUTRO=y\r\n", "PASTA", "PATH", ""},
        {"first occurrence wins", "[PASTA]\r\nPATH=a\r\nPATH=b\r\n", "PASTA", "PATH", "a"},
        {"equals sign inside the value", "[PASTA]\r\nPATH=a=b\r\n", "PASTA", "PATH", "a=b"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(QStringLiteral("t.ini"), c.bytes);
        EXPECT_EQ(IniFile::load(QStringLiteral("t.ini")).value(c.section, c.key), c.expected);
    }
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndIsNotCreated)
{
    const IniFile ini = IniFile::load(QStringLiteral("nada.ini"));
    EXPECT_EQ(ini.value(QStringLiteral("PASTA"), QStringLiteral("PATH")), QString());
    EXPECT_FALSE(QFile::exists(QStringLiteral("nada.ini")));
}

TEST_F(IniFileTest, SettingOneKeyKeepsTheRestOfTheFile)
{
    writeBytes(QStringLiteral("vd.ini"), "; impressora do balcao\r\n[Impressora]\r\nTipoI=1\r\nOBS=S\r\nNroLin=8\r\n"
                                         "\r\n[Outra]\r\nX=1\r\n");
    IniFile ini = IniFile::load(QStringLiteral("vd.ini"));
    ini.setValue(QStringLiteral("IMPRESSORA"), QStringLiteral("nrolin"), QStringLiteral("4"));
    ini.setValue(QStringLiteral("Impressora"), QStringLiteral("Nova"), QStringLiteral("z"));
    ini.save(QStringLiteral("vd.ini"));
    EXPECT_EQ(readBytes(QStringLiteral("vd.ini")),
              QByteArray("; impressora do balcao\r\n[Impressora]\r\nTipoI=1\r\nOBS=S\r\nNroLin=4\r\nNova=z\r\n"
                         "\r\n[Outra]\r\nX=1\r\n"));
}

TEST_F(IniFileTest, WritesNewKeysInOrderAndReadsValuesBackExactly)
{
    const QString folder = QStringLiteral("servidor:/dados/Sécção [1]; x=y");
    IniFile ini;
    ini.setValue(QStringLiteral("Impressora"), QStringLiteral("TipoI"), QStringLiteral("3"));
    ini.setValue(QStringLiteral("Impressora"), QStringLiteral("OBS"), QStringLiteral("N"));
    ini.setValue(QStringLiteral("PASTA"), QStringLiteral("PATH"), folder);
    ini.save(QStringLiteral("n.ini"));
    EXPECT_EQ(readBytes(QStringLiteral("n.ini")),
              QByteArray("[Impressora]\r\nTipoI=3\r\nOBS=N\r\n[PASTA]\r\nPATH=") + folder.toUtf8() + "\r\n");
    EXPECT_EQ(IniFile::load(QStringLiteral("n.ini")).value(QStringLiteral("PASTA"), QStringLiteral("PATH")), folder);
}

TEST_F(IniFileTest, KeepsTheWindowsCodePageOfAnExistingFile)
{
    writeBytes(QStringLiteral("vd.ini"), "[Impressora]\r\nOBS=Aten\xE7\xE3o\r\nNroLin=8\r\n");
    IniFile ini = IniFile::load(QStringLiteral("vd.ini"));
    ini.setValue(QStringLiteral("Impressora"), QStringLiteral("NroLin"), QStringLiteral("4"));
    ini.save(QStringLiteral("vd.ini"));
    EXPECT_EQ(readBytes(QStringLiteral("vd.ini")), QByteArray("[Impressora]\r\nOBS=Aten\xE7\xE3o\r\nNroLin=4\r\n"));
}

TEST_F(IniFileTest, WorkingFilesAreFoundAndRemovedWhateverTheCaseOfTheirNames)
{
    writeBytes(QStringLiteral("CONFIG.INI"), "[PASTA]\r\n");
    writeBytes(QStringLiteral("config.ini"), "[PASTA]\r\n");
    EXPECT_TRUE(WorkingFiles::exists(workDir(), QStringLiteral("Config.INI")));
    EXPECT_FALSE(WorkingFiles::exists(workDir(), QStringLiteral("Config.INI.bak")));
    EXPECT_TRUE(WorkingFiles::removeAll(workDir(), QStringLiteral("Config.ini")));
    EXPECT_TRUE(QDir(workDir()).entryList(QDir::Files).isEmpty());
}

} // namespace
