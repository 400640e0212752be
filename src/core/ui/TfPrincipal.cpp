#include "core/ui/TfPrincipal.h"

TfPrincipal::TfPrincipal(AppContext &ctx, QWidget *parent) : QMainWindow(parent), m_ctx(ctx) {}
