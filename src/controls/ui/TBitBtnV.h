#pragma once

#include <QPushButton>

// The push button of every window (the image is set by the window): bold font, height 25, highlighted while focused.
class TBitBtnV final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBitBtnV)

public:
    explicit TBitBtnV(QWidget *parent = nullptr);
    explicit TBitBtnV(const QString &caption, QWidget *parent = nullptr);
};
