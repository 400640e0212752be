#pragma once

#include <QMainWindow>

struct AppContext;

// The main window (being written).
class TfPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TfPrincipal(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
