#pragma once

#include "utilities/DatabaseLocation.h"
#include "utilities/WorkObserver.h"

#include <QString>

struct AppContext;

// The restore window's work. The backup is restored into a new file beside
// the target and checked by opening it; only then does the old database step
// aside (kept as "<target>.anterior") and the new one take its name. Any
// failure removes the new file and leaves the database as it was. The restore
// is refused while other connections use the target.
//
// After a successful restore the shared connection stays closed: the program
// ends and the next start connects to the restored data.
class RestoreLogic {
public:
    static inline const QString kSucesso = QStringLiteral(
        "A restauração foi efetuada com Sucesso,\r O Sistema Será Finalizado para Concluir a Restauração do Backup !");
    static inline const QString kFalha = QStringLiteral("Não consegui Restaurar o Backup dos Dados\rMensagem de Erro:");
    static inline const QString kSemBackup = QStringLiteral("Escolha o Arquivo de Backup a Restaurar.");
    static inline const QString kSemDestino = QStringLiteral("Escolha o Local onde o Backup será Restaurado.");
    static inline const QString kSufixoNovo = QStringLiteral(".novo");
    static inline const QString kSufixoAnterior = QStringLiteral(".anterior");

    enum class Outcome { Restored, Failed, Refused, Cancelled };

    RestoreLogic(AppContext &ctx, QString workDir);

    // On every showing: finds the database again; the target is the database
    // the program uses, no backup file is chosen.
    void prepare();

    const DatabaseLocation &location() const { return m_location; }
    const QString &backupFile() const { return m_backupFile; }
    const QString &databaseFile() const { return m_databaseFile; }
    // For a database on a server: both files are files of that server.
    QString whereNote() const;

    // "Procurar Backup" and "Escolhe a Pasta": a cancelled dialog keeps the
    // previous choice.
    void procurarBackup();
    void escolheAPasta();

    // The confirmation and the refusal for other connections come first;
    // every outcome but Restored leaves the shared connection open again.
    Outcome restaurar(const WorkObserver &observer = {});

    static QString refusalText(qint64 others);
    QString confirmationText() const;

private:
    QString connection(const QString &file) const { return m_location.connectionString(file); }
    bool fileExists(const QString &file) const;
    // Other attachments to the target; throws DbError when it cannot be asked.
    qint64 otherConnections() const;
    void restoreAside(const WorkObserver &observer, const QString &aside) const;
    void checkOpens(const QString &file) const;
    void putInPlace(const WorkObserver &observer, const QString &aside) const;
    void removeAside(const QString &aside) const;
    void reconnect();

    AppContext &m_ctx;
    QString m_workDir;
    DatabaseLocation m_location;
    QString m_backupFile;
    QString m_databaseFile;
};
