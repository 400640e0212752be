#pragma once

#include "registers/CustomerLogic.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The customer data window. Callers set Modo, Origem and Chave on logic()
// before each opening.
class TfDadosCli final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosCli)
public:
    explicit TfDadosCli(AppContext &ctx, QWidget *parent = nullptr);

    CustomerLogic &logic() { return m_logic; }
    // Called after a save that changed the list's rows.
    std::function<void()> onListChanged;
    // Called when a customer added from order entry hands its telephone or code back.
    std::function<void(const CustomerLogic::HandBack &)> onHandBack;

    QLineEdit *edit(const QString &column) const { return m_edits.value(column); }
    QPlainTextEdit *reference() const { return m_refer; }
    QPushButton *gravarButton() const { return m_gravar; }
    QPushButton *limparButton() const { return m_limpar; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void pull();
    void push();
    void gravar();

    CustomerLogic m_logic;
    QLabel *m_title;
    QHash<QString, QLineEdit *> m_edits;
    QPlainTextEdit *m_refer;
    QDateEdit *m_dcad;
    QPushButton *m_gravar;
    QPushButton *m_limpar;
    QPushButton *m_fechar;
};
