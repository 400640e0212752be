#pragma once

#include "utilities/DatabaseLocation.h"
#include "utilities/WorkObserver.h"

#include <QString>

struct AppContext;

// The backup window's work. The backup is written under a temporary name
// beside the chosen file and takes the chosen name only after the server has
// finished without error, so a failed backup never costs the last good one.
class BackupLogic {
public:
    static inline const QString kSucesso = QStringLiteral("Backup dos Dados Realizado com Sucesso !");
    static inline const QString kFalha = QStringLiteral("Não Consegui Gerar o Backup, Tente Novamente !\rErro:  ");
    static inline const QString kArquivoPadrao = QStringLiteral("backup.gbk");
    static inline const QString kSufixoTemporario = QStringLiteral(".tmp");
    static inline const QString kSobreOBanco =
        QStringLiteral("O Backup não Pode Ser Gravado sobre o Próprio Banco de Dados.");

    BackupLogic(AppContext &ctx, QString workDir);

    // On every showing: finds the database again and resets the backup file
    // (the working directory's backup.gbk, or the database folder's on a server).
    void prepare();

    const DatabaseLocation &location() const { return m_location; }
    const QString &backupFile() const { return m_backupFile; }
    // For a database on a server: the backup file is a file of that server.
    QString whereNote() const;

    // "Escolher Pasta": a cancelled dialog changes nothing.
    void escolherPasta();
    // "Gerar Backup": true after the success message.
    bool gerarBackup(const WorkObserver &observer = {});

private:
    AppContext &m_ctx;
    QString m_workDir;
    DatabaseLocation m_location;
    QString m_backupFile;
};
