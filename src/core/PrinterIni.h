#pragma once

#include <QString>

// The ticket printer settings file (vd.ini, Windows INI format), section
// Impressora with the keys TipoI, OBS and NroLin, and section Portas with the
// printers standing for LPT1 and LPT2: a device file ("/dev/usb/lp0") or a
// raw CUPS queue ("cups:QUEUE").
class PrinterIni {
public:
    struct Values {
        QString tipoI;
        QString obs;
        QString nroLin;
    };

    struct Ports {
        QString lpt1;
        QString lpt2;
    };
    static inline const QString kDefaultLpt1 = QStringLiteral("/dev/lp0");
    static inline const QString kDefaultLpt2 = QStringLiteral("/dev/lp1");

    explicit PrinterIni(QString path) : m_path(std::move(path)) {}

    bool exists() const;
    // Creates the file with TipoI "3", OBS "N", NroLin "4", in that order.
    // Throws std::runtime_error when the file cannot be written.
    void writeDefaults() const;
    // The three keys; a missing key (or section) reads as empty text (read
    // with IniFile's rules). Throws std::runtime_error when the file cannot be read.
    Values read() const;

    // The settings window's first showing: a file holding only TipoI "1".
    void writeTipoIOnly() const;
    // The ports; a missing or empty key gives /dev/lp0 and /dev/lp1.
    Ports readPorts() const;
    // Writes the three keys and the two ports, keeping whatever else the file holds.
    void write(const Values &values, const Ports &ports) const;

private:
    QString m_path;
};
