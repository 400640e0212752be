#include "core/Decimal.h"
#include "core/DbError.h"
#include "core/KeyAllocator.h"
#include "core/SqlValue.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

// Failures of the common routines end up in a message box (the general
// error display or a window's "Erro:" line), so their texts are Portuguese.
namespace {

QString failureText(const std::function<void()> &step)
{
    try {
        step();
    } catch (const DbError &e) {
        return e.message();
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

TEST(ErrorTexts, TheCommonRoutinesFailInPortuguese)
{
    const Decimal huge(INT64_MAX, 0);
    const struct {
        const char *what;
        std::function<void()> step;
        QString text;
    } cases[] = {
        {"a code that is not a number", [] { KeyAllocator::nextCodeAfter(SqlValue(QStringLiteral("00A1")), 6); },
         QStringLiteral("'00A1' não é um número inteiro válido")},
        {"a product out of range", [&] { huge * Decimal(2, 0); },
         QStringLiteral("Valor numérico fora do limite permitido")},
        {"a division by zero", [] { Decimal(1, 0).divide(Decimal(0, 2), 2); }, QStringLiteral("Divisão por zero")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(failureText(c.step), c.text);
    }
}

} // namespace
