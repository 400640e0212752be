#pragma once

#include <QLineEdit>

// The single-line entry field of every window. As a text field it behaves as
// a plain line edit; with Numero set it also filters keystrokes, shows the
// bare figure while it has the focus and the formatted figure after it
// ("R$ 1.234,56", "1.234,500", "30,00%"), and falls back to the zero text,
// keeping the focus, when what was typed cannot be read. Windows read its
// text through Funcoes::soNumeros / BrFormat::parse.
//
// The alignment is given at creation (the constructor argument, or
// setAlignment() before the window is shown); the number properties are set
// once when the window is built and are not meant to change afterwards.
class TEditV final : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool Numero READ numero WRITE setNumero)
    Q_PROPERTY(bool Moeda READ moeda WRITE setMoeda)
    Q_PROPERTY(bool Porcentagem READ porcentagem WRITE setPorcentagem)
    Q_PROPERTY(int CasaDecimal READ casaDecimal WRITE setCasaDecimal)
    Q_DISABLE_COPY_MOVE(TEditV)

public:
    explicit TEditV(QWidget *parent = nullptr, Qt::Alignment alignment = Qt::AlignLeft);

    bool numero() const { return m_numero; }
    void setNumero(bool on) { m_numero = on; }
    bool moeda() const { return m_moeda; }
    void setMoeda(bool on) { m_moeda = on; }
    bool porcentagem() const { return m_porcentagem; }
    void setPorcentagem(bool on) { m_porcentagem = on; }
    int casaDecimal() const { return m_casaDecimal; }
    void setCasaDecimal(int decimals) { m_casaDecimal = decimals < 0 ? 0 : decimals; }

    // Shorthands for the combinations the windows use.
    void makeWhole();
    void makeQuantity();
    void makeMoney();
    void makePercentage();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void cleanEditedText();
    void enter();
    // Formats the figure; false when it could not be read and the zero text was set.
    bool leave();

    bool m_numero = false;
    bool m_moeda = false;
    bool m_porcentagem = false;
    int m_casaDecimal = 0;
    bool m_cleaning = false;
    // Between entering and leaving; a focus lost to another window does not leave.
    bool m_entered = false;
};
