#pragma once

#include <QLabel>

// The caption beside a field: bold sans-serif, at least 25 high.
class TLabelV final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLabelV)

public:
    explicit TLabelV(QWidget *parent = nullptr);
    explicit TLabelV(const QString &caption, QWidget *parent = nullptr);
};
