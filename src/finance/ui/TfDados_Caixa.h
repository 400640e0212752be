#pragma once

#include "finance/CashFlowEntry.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class TEditV;

// The cash entry window: "Inclusão de Caixa" or "Exclusão de Caixa", as the
// list sets it on logic() before opening it.
class TfDados_Caixa final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDados_Caixa)
public:
    explicit TfDados_Caixa(AppContext &ctx, QWidget *parent = nullptr);

    CashFlowEntry &logic() { return m_logic; }
    // Run after every "Gravar" or "Excluir", saved or not (the list re-reads
    // its rows when `saved` and always recomputes the balance).
    std::function<void(bool saved)> onSave;

    QPushButton *gravarButton() const { return m_gravar; }
    QPushButton *excluirButton() const { return m_excluir; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void pull();
    void push();

    CashFlowEntry m_logic;
    QLabel *m_title;
    QComboBox *m_dc;
    QDateEdit *m_data;
    TEditV *m_valor, *m_documento, *m_descricao;
    QPushButton *m_gravar, *m_excluir;
};
