#include "core/PrinterIni.h"

#include "core/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace {

const QString kSection = QStringLiteral("Impressora");
const QString kPortas = QStringLiteral("Portas");

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

void PrinterIni::writeTipoIOnly() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw fileError(m_path, file);
    const QByteArray text = "[Impressora]\r\nTipoI=1\r\n";
    if (file.write(text) != text.size() || !file.flush())
        throw fileError(m_path, file);
}

PrinterIni::Ports PrinterIni::readPorts() const
{
    const IniFile ini = IniFile::load(m_path);
    const QString lpt1 = ini.value(kPortas, QStringLiteral("LPT1"));
    const QString lpt2 = ini.value(kPortas, QStringLiteral("LPT2"));
    return {lpt1.isEmpty() ? kDefaultLpt1 : lpt1, lpt2.isEmpty() ? kDefaultLpt2 : lpt2};
}

void PrinterIni::write(const Values &values, const Ports &ports) const
{
    IniFile ini = IniFile::load(m_path);
    ini.setValue(kSection, QStringLiteral("TipoI"), values.tipoI);
    ini.setValue(kSection, QStringLiteral("OBS"), values.obs);
    ini.setValue(kSection, QStringLiteral("NroLin"), values.nroLin);
    ini.setValue(kPortas, QStringLiteral("LPT1"), ports.lpt1);
    ini.setValue(kPortas, QStringLiteral("LPT2"), ports.lpt2);
    ini.save(m_path);
}
