#include "core/ui/GuardedApplication.h"

#include "core/ConnectionMessages.h"
#include "core/DbError.h"

#include <exception>

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    if (!m_display)
        return QApplication::notify(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError &e) {
        m_display(e.category() == DbError::Category::Connection ? ConnectionMessages::lostConnection(e.message())
                                                                  : e.message());
    } catch (const std::exception &e) {
        m_display(QString::fromUtf8(e.what()));
    } catch (...) {
        m_display(QStringLiteral("Erro desconhecido"));
    }
    return true;
}
