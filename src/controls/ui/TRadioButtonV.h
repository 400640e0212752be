#pragma once

#include <QRadioButton>

// The radio button of every window: bold sans-serif, at least 25 high.
class TRadioButtonV final : public QRadioButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRadioButtonV)

public:
    explicit TRadioButtonV(QWidget *parent = nullptr);
    explicit TRadioButtonV(const QString &caption, QWidget *parent = nullptr);
};
