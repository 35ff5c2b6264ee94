#pragma once

#include "store/DataSource.h"
#include "store/Database.h"

#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

/// A fresh database made from the schema in a temporary folder, opened as the shared connection.
class BenchDatabase
{
public:
    BenchDatabase()
        : m_path(quillset::databasePathIn(m_folder.path()))
    {
        QProcess sqlite;
        sqlite.setStandardInputFile(QStringLiteral(QUILLSET_SCHEMA_PATH));
        sqlite.start(QStringLiteral(QUILLSET_SQLITE3), {QStringLiteral("-batch"), m_path});
        if (!sqlite.waitForFinished(60000) || sqlite.exitCode() != 0) {
            std::fprintf(stderr, "could not create the benchmark database\n");
            std::exit(1);
        }
        quillset::OpenDatabase(m_path, quillset::OdbcInstaller::none());
    }
    ~BenchDatabase() { quillset::CloseDatabase(); }

    QString path() const { return m_path; }
    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    QString m_path;
};
