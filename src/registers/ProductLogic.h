#pragma once

#include "core/RecordDataLogic.h"

#include <optional>

// The product data window's logic: the register's description plus the price
// and margin arithmetic, the own-product rule and the product's code checks.
class ProductLogic final : public RecordDataLogic {
public:
    static constexpr int kCodeWidth = 10;
    using SaveResult = RecordSaveResult;

    explicit ProductLogic(AppContext &ctx);

    static const RecordDescription &description();

    // Product codes are stored right-aligned: trimmed, spaces in front up to 10.
    static QString padCode(const QString &typed);
    // Sale price from cost and margin: cost × (margin + 100) / 100, rounded
    // half away from zero to 2 decimals; nullopt for a zero cost.
    static std::optional<Decimal> salePrice(const Decimal &cost, const Decimal &margin);
    // Margin from cost and sale price: 100 × price / cost − 100, 2 decimals;
    // nullopt unless both are non-zero.
    static std::optional<Decimal> margin(const Decimal &cost, const Decimal &price);

    bool madeOnTheSpotEnabled() const { return m_madeOnTheSpotEnabled; }
    // Leaving "Produto Próprio ?": "Não" forces "Feito na Hora ?" to "Não" and
    // disables it. Returns whether it is enabled (where the focus goes next).
    bool leaveOwnProduct();
    void leaveMargin();
    void leavePrice();

protected:
    void applyDefaults() override;
    void loaded(const Row &) override;
    bool check(std::optional<ModeSetup::Focus> &focus) override;
    void bindExtra(Params &params, RecordSave::Write write) const override;

private:
    // A number field's value; nullopt when what was typed cannot be read.
    std::optional<Decimal> number(const QString &column) const;
    bool m_madeOnTheSpotEnabled = true;
};
