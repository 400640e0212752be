#pragma once

#include <QHash>
#include <QString>
#include <functional>

// Who receives the code a lookup hands back: each opener registers its
// receiving field under its caller tag (`Origem`), so the lookup never needs
// to know its openers.
class LookupRegistry {
public:
    using Receiver = std::function<void(const QString &code)>;

    // Registers (or replaces) the receiver for a caller tag.
    void add(const QString &origem, Receiver receiver) { m_receivers.insert(origem, std::move(receiver)); }
    void remove(const QString &origem) { m_receivers.remove(origem); }
    bool contains(const QString &origem) const { return m_receivers.contains(origem); }
    // Hands the code to the receiver of `origem`; false when none is registered.
    bool deliver(const QString &origem, const QString &code) const
    {
        const auto it = m_receivers.constFind(origem);
        if (it == m_receivers.constEnd() || !*it)
            return false;
        (*it)(code);
        return true;
    }

private:
    QHash<QString, Receiver> m_receivers;
};
