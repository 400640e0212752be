#pragma once

#include <QComboBox>

// The combo box of every window: bold font, height 25, highlighted while focused.
class TComboBoxV final : public QComboBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TComboBoxV)

public:
    explicit TComboBoxV(QWidget *parent = nullptr);
};
