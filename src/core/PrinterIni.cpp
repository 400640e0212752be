#include "core/PrinterIni.h"

#include "core/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace {

const QString kSection = QStringLiteral("Impressora");

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
    const IniFile ini = IniFile::load(m_path);
    return {ini.value(kSection, QStringLiteral("TipoI")), ini.value(kSection, QStringLiteral("OBS")),
            ini.value(kSection, QStringLiteral("NroLin"))};
}
