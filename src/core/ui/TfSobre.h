#pragma once

#include <QDialog>

class QLabel;

// The about window: the product name and the running version.
class TfSobre final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfSobre)
public:
    static inline const QString kProductName = QStringLiteral("Velmora Delivery");

    explicit TfSobre(QWidget *parent = nullptr);
    void setVersion(const QString &versaoSistema);

private:
    QLabel *m_version;
};
