#pragma once

#include <QString>

// The ticket printer settings file (vd.ini, Windows INI format), section
// Impressora with the keys TipoI, OBS and NroLin.
class PrinterIni {
public:
    struct Values {
        QString tipoI;
        QString obs;
        QString nroLin;
    };

    explicit PrinterIni(QString path) : m_path(std::move(path)) {}

    bool exists() const;
    // Creates the file with TipoI "3", OBS "N", NroLin "4", in that order.
    // Throws std::runtime_error when the file cannot be written.
    void writeDefaults() const;
    // The three keys; a missing key (or section) reads as empty text (read
    // with IniFile's rules). Throws std::runtime_error when the file cannot be read.
    Values read() const;

private:
    QString m_path;
};
