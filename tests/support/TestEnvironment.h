#pragma once

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/Session.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Copies a fresh, empty vd.fdb (made once per test program) into `folder`.
void copyFreshDatabase(const QString &folder);

// Each test gets a fresh temporary working directory holding a fresh vd.fdb,
// opened with the embedded engine, with the session switches off, scripted
// message boxes and a fixed clock. The directory is removed afterwards and the
// previous working directory restored.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString workDir() const { return m_dir.path(); }
    QString dbPath() const { return m_dir.path() + QStringLiteral("/vd.fdb"); }

    QTemporaryDir m_dir;
    QString m_previousDir;
    Database db;
    Session session;
    ScriptedMessages messages;
    FixedClock clock;
    AppContext ctx{db, session, messages, clock};
};

// A fresh temporary working directory without any database.
class WorkDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString workDir() const { return m_dir.path(); }

    QTemporaryDir m_dir;
    QString m_previousDir;
};
