#pragma once

#include "core/base/Failure.h"
#include "store/DataSource.h"
#include "store/DatabaseLocation.h"
#include "store/Store.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

/// A fresh database made by the program's own schema in a temporary folder, opened as a store.
class BenchDatabase
{
public:
    BenchDatabase()
        : m_path(quillset::databasePathIn(m_folder.path()))
    {
        try {
            quillset::Store::createDatabase(m_path, true);
            m_store = quillset::Store::OpenDatabase(m_path, quillset::OdbcInstaller::none());
        } catch (const quillset::Failure &failure) {
            std::fprintf(stderr, "could not create the benchmark database: %s\n", failure.what());
            std::exit(1);
        }
    }

    QString path() const { return m_path; }
    QString folder() const { return m_folder.path(); }
    quillset::Store &store() const { return *m_store; }

private:
    QTemporaryDir m_folder;
    QString m_path;
    std::unique_ptr<quillset::Store> m_store;
};
