#pragma once

#include <QCheckBox>

// The check box of every window: bold sans-serif, at least 25 high.
class TCheckBoxV final : public QCheckBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCheckBoxV)

public:
    explicit TCheckBoxV(QWidget *parent = nullptr);
    explicit TCheckBoxV(const QString &caption, QWidget *parent = nullptr);
};
