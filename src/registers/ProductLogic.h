#pragma once

#include "core/Decimal.h"
#include "core/RecordMode.h"
#include "registers/TextField.h"

#include <QDate>
#include <QString>
#include <optional>

struct AppContext;

// The product data window's logic: defaults, loading, the price and margin
// arithmetic, the own-product rule, the code checks and the saves.
class ProductLogic {
public:
    static constexpr int kCodeWidth = 10;

    struct SaveResult {
        bool saved = false;
        bool closeWindow = false;
        bool reloadList = false;
        std::optional<ModeSetup::Focus> focus; // where the window puts the focus
    };

    explicit ProductLogic(AppContext &ctx);
    ProductLogic(const ProductLogic &) = delete;
    ProductLogic &operator=(const ProductLogic &) = delete;

    // Product codes are stored right-aligned: trimmed, spaces in front up to 10.
    static QString padCode(const QString &typed);
    // Sale price from cost and margin: cost × (margin + 100) / 100, rounded
    // half away from zero to 2 decimals; nullopt for a zero cost.
    static std::optional<Decimal> salePrice(const Decimal &cost, const Decimal &margin);
    // Margin from cost and sale price: 100 × price / cost − 100, 2 decimals;
    // nullopt unless both are non-zero.
    static std::optional<Decimal> margin(const Decimal &cost, const Decimal &price);

    static const TextField &codeField();
    static const TextField &descriptionField();
    static const TextField &unitField();
    static const TextField &notesField();

    void setModo(const QString &modo) { m_modoText = modo; }
    void setSelectedCode(const QString &code) { m_selectedCode = code; }
    // Showing: defaults, then the product for every mode but add.
    void prepare();
    Modo modo() const { return m_modo; }
    ModeSetup modeSetup() const;

    // Texts of the fields, as the window shows them.
    QString code, description, unit, notes;
    bool ownProduct = true, madeOnTheSpot = true, active = true;
    QString quantity, minimum, maximum, cost, marginText, price, lastPurchase;
    QDate registrationDate;
    bool madeOnTheSpotEnabled() const { return m_madeOnTheSpotEnabled; }

    // Defaults ("Limpar").
    void clear();
    // Entering the code field in add mode trims it for editing.
    void enterCode();
    // Leaving it in add mode: pads it and refuses a code in use (field cleared).
    bool leaveCode();
    // Leaving "Produto Próprio ?": "Não" forces "Feito na Hora ?" to "Não" and
    // disables it. Returns whether it is enabled (where the focus goes next).
    bool leaveOwnProduct();
    void leaveMargin();
    void leavePrice();
    // The save button in add and change modes.
    SaveResult save();
    // "Excluir" in delete mode.
    SaveResult remove();

private:
    SaveResult write();

    AppContext &m_ctx;
    QString m_modoText;
    QString m_selectedCode;
    Modo m_modo = Modo::Consulta;
    bool m_madeOnTheSpotEnabled = true;
};
