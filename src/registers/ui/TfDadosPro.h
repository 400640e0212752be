#pragma once

#include "registers/ProductLogic.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The product data window. The list sets Modo on logic() before each opening.
class TfDadosPro final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosPro)
public:
    explicit TfDadosPro(AppContext &ctx, QWidget *parent = nullptr);

    ProductLogic &logic() { return m_logic; }
    std::function<void()> onListChanged;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void pull();
    void push();
    void finish(const ProductLogic::SaveResult &result);
    QWidget *focusTarget(ModeSetup::Focus focus) const;

    ProductLogic m_logic;
    QLabel *m_title;
    QLineEdit *m_code, *m_description, *m_unit, *m_quantity, *m_minimum, *m_maximum, *m_cost, *m_margin, *m_price,
        *m_lastPurchase;
    QComboBox *m_pf, *m_feito, *m_ativo;
    QDateEdit *m_dcad;
    QPlainTextEdit *m_notes;
    QPushButton *m_save, *m_limpar, *m_fechar, *m_excluir;
};
