#include "core/PrinterIni.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <stdexcept>

namespace {

const QString kSection = QStringLiteral("impressora");

std::runtime_error fileError(const QString &path, const QFile &file)
{
    return std::runtime_error((path + QStringLiteral(": ") + file.errorString()).toStdString());
}

} // namespace

bool PrinterIni::exists() const
{
    return QFileInfo::exists(m_path);
}

void PrinterIni::writeDefaults() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw fileError(m_path, file);
    const QByteArray text = "[Impressora]\r\nTipoI=3\r\nOBS=N\r\nNroLin=4\r\n";
    if (file.write(text) != text.size() || !file.flush())
        throw fileError(m_path, file);
}

PrinterIni::Values PrinterIni::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(m_path, file);
    // The file is written by Windows-style tools in the ANSI code page; the
    // keys and values of interest are plain ASCII.
    const QString text = QString::fromLatin1(file.readAll());

    QHash<QString, QString> keys; // of the Impressora section, lower-case names
    bool inSection = false;
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const int close = line.indexOf(u']');
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(kSection, Qt::CaseInsensitive) == 0;
            continue;
        }
        const int eq = line.indexOf(u'=');
        if (!inSection || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        if (!keys.contains(key)) // the first occurrence wins, as with the Windows reader
            keys.insert(key, line.mid(eq + 1).trimmed());
    }
    return {keys.value(QStringLiteral("tipoi")), keys.value(QStringLiteral("obs")),
            keys.value(QStringLiteral("nrolin"))};
}
