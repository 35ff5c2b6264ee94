#include "Schema.h"

#include "store/Backends.h"
#include "store/Connection.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <utility>

namespace quillset {

const QString kAccountColumns
    = QStringLiteral("BankID, BankName, AccountNo, Address, City, AccountType, Width, Height, DateLeft, DateBottom, "
                     "DateWidth, PayLeft, PayBottom, PayWidth, AmountLeft, AmountBottom, AmountWidth, Rupee1Left, "
                     "Rupee1Bottom, Rupee1Width, Rupee2Left, Rupee2Bottom, Rupee2Width, Rupee3Left, Rupee3Bottom, "
                     "Rupee3Width, Rupee3Active");

QStringList dateSettingDefaults()
{
    QStringList statements;
    for (const auto &[key, value] : {std::pair {QStringLiteral("DateOrder"), QStringLiteral("DMY")},
                                     std::pair {QStringLiteral("StaleMonths"), QStringLiteral("3")},
                                     std::pair {QStringLiteral("DateWindowMonths"), QStringLiteral("12")}})
        statements.append(QStringLiteral("INSERT INTO sys_parms (Description, Value) SELECT '%1', '%2' WHERE NOT "
                                         "EXISTS (SELECT 1 FROM sys_parms WHERE Description = '%1')")
                              .arg(key, value));
    return statements;
}

// Accounts the cheques and cheque books name: a code written in other capitals takes the account's
// own spelling, and a code no account has gets an empty account, so every row has its account.
QStringList accountsForEveryRow(int version)
{
    // An account whose code an earlier one has in other capitals (the program once told them apart)
    // takes its number after its code, so that codes can be unique in any capitals; its rows follow.
    const QString later = QStringLiteral("EXISTS (SELECT 1 FROM BankAccount AS Earlier WHERE upper(Earlier.BankID) "
                                         "= upper(%1.BankID) AND Earlier.Id < %1.Id)");
    QStringList statements
        = {QStringLiteral("INSERT INTO UpgradeNote (Version, Note) SELECT %1, 'The account \"' || BankID || '\" had "
                          "the code of an earlier account in other capitals; its code is now \"' || BankID || ' #' || "
                          "Id || '\".' FROM BankAccount WHERE %2 ORDER BY Id")
               .arg(QString::number(version), later.arg(QStringLiteral("BankAccount")))};
    for (const QString &table : {QStringLiteral("Cheque"), QStringLiteral("ChequeBook"), QStringLiteral("PayeeUse")})
        statements.append(QStringLiteral("UPDATE %1 SET BankID = (SELECT BankID || ' #' || Id FROM BankAccount WHERE "
                                         "BankID = %1.BankID) WHERE BankID IN (SELECT BankID FROM BankAccount WHERE "
                                         "%2)")
                              .arg(table, later.arg(QStringLiteral("BankAccount"))));
    statements.append(QStringLiteral("UPDATE BankAccount SET BankID = BankID || ' #' || Id WHERE %1")
                          .arg(later.arg(QStringLiteral("BankAccount"))));
    for (const QString &table : {QStringLiteral("Cheque"), QStringLiteral("ChequeBook")})
        statements.append(
            QStringLiteral("UPDATE %1 SET BankID = (SELECT a.BankID FROM BankAccount AS a WHERE upper(a.BankID) = "
                           "upper(%1.BankID) ORDER BY a.Id LIMIT 1) WHERE BankID NOT IN (SELECT BankID FROM "
                           "BankAccount) AND upper(BankID) IN (SELECT upper(BankID) FROM BankAccount)")
                .arg(table));
    const QString unknown = QStringLiteral("(SELECT BankID FROM Cheque UNION SELECT BankID FROM ChequeBook) AS Named "
                                           "WHERE BankID NOT IN (SELECT BankID FROM BankAccount)");
    statements.append(QStringLiteral("INSERT INTO UpgradeNote (Version, Note) SELECT %1, 'The account \"' || BankID "
                                     "|| '\" had cheques but no record of its own; an empty one was made for it.' "
                                     "FROM %2")
                          .arg(version)
                          .arg(unknown));
    statements.append(
        QStringLiteral("INSERT INTO BankAccount (BankID, BankName) SELECT BankID, '' FROM %1").arg(unknown));
    return statements;
}

namespace {

// Takes the database from version `from` to `to`, and stamps the number of the last step applied.
void applySteps(const Connection &connection, int from, int to, const UpgradeProgress &progress = {})
{
    const QList<SchemaStep> steps = connection.dialect().upgradeSteps();
    const QList<int> numbers = stepNumbers(connection.dialect());
    if (!numberedInOrder(numbers) || numbers.value(numbers.size() - 1) != schemaVersion())
        throw Failure(
            ErrorNumber::DatabaseUpgrade,
            QCoreApplication::translate("Schema",
                                        "This program's upgrade steps are not numbered in order, so it upgrades no "
                                        "database."));
    int total = 0;
    for (const SchemaStep &step : steps) {
        if (step.version > from && step.version <= to)
            total += static_cast<int>(step.statements.size());
    }
    int done = 0;
    int reached = from;
    for (const SchemaStep &step : steps) {
        if (step.version <= from || step.version > to)
            continue;
        for (const QString &statement : step.statements) {
            if (progress)
                progress(done, total);
            connection.run(statement);
            ++done;
        }
        reached = step.version;
    }
    if (progress)
        progress(done, total);
    connection.dialect().setSchemaVersion(connection, reached);
}

} // namespace

QString upgradeNotesSummary(const QStringList &notes)
{
    if (notes.isEmpty())
        return QString();
    constexpr int kShown = 10;
    QString summary = QCoreApplication::translate(
                          "Schema", "The database was upgraded; %1 row(s) could not be kept exactly as they were:")
                          .arg(notes.size());
    for (const QString &note : notes.mid(0, kShown))
        summary += u'\n' + note;
    if (notes.size() > kShown)
        summary += QCoreApplication::translate("Schema", "\n...and %1 more.").arg(notes.size() - kShown);
    return summary + QCoreApplication::translate("Schema", "\nEvery one is kept in the database's table UpgradeNote.");
}

QList<int> stepNumbers(const Dialect &dialect)
{
    QList<int> numbers;
    for (const SchemaStep &step : dialect.upgradeSteps())
        numbers.append(step.version);
    return numbers;
}

bool numberedInOrder(const QList<int> &numbers)
{
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (numbers.at(i) != i + 1)
            return false;
    }
    return true;
}

int schemaVersion()
{
    // Every backend's steps end at the same number, as the tests check; the first backend's is read once.
    static const int version = [] {
        const QList<int> numbers = stepNumbers(*everyDialect().front());
        return numbers.isEmpty() ? 0 : numbers.constLast();
    }();
    return version;
}

void createSchema(const Connection &connection, bool sampleAccount, int version)
{
    connection.inTransaction([&] {
        for (const QString &statement : connection.dialect().firstRelease())
            connection.run(statement);
        connection.run(QStringLiteral("INSERT INTO sys_parms (Description, Value) VALUES ('Orientation', '1'), "
                                      "('CequePosition', '0'), ('CompanyName', ?), ('CBLeft', '0'), ('CBTop', '0'), "
                                      "('Stamp', '1')"),
                       {sampleAccount ? QStringLiteral("Sample Traders Pvt. Ltd.") : QString()});
        if (sampleAccount) {
            // The common 20.3 x 9.2 cm leaf. Distances down the leaf are to each field's bottom edge,
            // counted from one text line above the leaf.
            connection.run(QStringLiteral("INSERT INTO BankAccount (%1) VALUES ('ACC1', 'Sample Bank', "
                                          "'012345678901', '1 Market Street', 'Springfield', 'Current', 20.3, 9.2, "
                                          "15.3, 1.5, 4.8, 3.0, 2.7, 14.5, 15.7, 4.1, 4.0, 3.2, 3.4, 11.5, 1.0, 4.2, "
                                          "13.0, 14.0, 5.9, 6.0, 1)")
                               .arg(kAccountColumns));
        }
        applySteps(connection, 0, version);
    });
}

QStringList upgradeSchema(const Connection &connection, int version, const UpgradeProgress &progress)
{
    connection.dialect().backUp(connection, version);
    try {
        return connection.inTransaction([&] {
            applySteps(connection, version, schemaVersion(), progress);
            QStringList notes;
            if (!connection.dialect().hasTable(connection, QStringLiteral("UpgradeNote")))
                return notes;
            QSqlQuery query = connection.run(
                QStringLiteral("SELECT Note FROM UpgradeNote WHERE Version > ? ORDER BY Id"), {version});
            while (connection.next(query))
                notes.append(query.value(0).toString());
            return notes;
        });
    } catch (const Failure &failure) {
        throw Failure(ErrorNumber::DatabaseUpgrade,
                      QCoreApplication::translate(
                          "Schema", "%1 could not be upgraded from version %2 to %3, so it was left as it was: %4")
                          .arg(connection.dialect().describe())
                          .arg(version)
                          .arg(schemaVersion())
                          .arg(failure.description()));
    }
}

QStringList accountSettingsColumns(const QString &real, const QString &whole)
{
    const auto column = [](const QString &definition) {
        return QStringLiteral("ALTER TABLE BankAccount ADD COLUMN %1").arg(definition);
    };
    return {column(QStringLiteral("DateLayout TEXT NOT NULL DEFAULT 'boxes' CHECK (DateLayout IN ('boxes', "
                                  "'DD-MM-YYYY', 'DD/MM/YYYY', 'written'))")),
            column(QStringLiteral("DateBoxPitch %1 CHECK (DateBoxPitch > 0)").arg(real)),
            column(QStringLiteral("CrossingWords TEXT")),
            column(QStringLiteral("BearerLeft %1").arg(real)),
            column(QStringLiteral("BearerTop %1").arg(real)),
            column(QStringLiteral("BearerWidth %1 CHECK (BearerWidth > 0)").arg(real)),
            column(QStringLiteral("Filler TEXT NOT NULL DEFAULT ''")),
            column(QStringLiteral("SubunitFirst INTEGER NOT NULL DEFAULT 1 CHECK (SubunitFirst IN (0, 1))")),
            column(QStringLiteral("CurrencySign TEXT NOT NULL DEFAULT ''")),
            column(QStringLiteral("NotOver %1 CHECK (NotOver > 0)").arg(whole)),
            column(QStringLiteral("PositivePayFrom %1 CHECK (PositivePayFrom >= 0)").arg(whole)),
            column(QStringLiteral("PositivePayLayout TEXT")),
            QStringLiteral("ALTER TABLE Cheque ADD COLUMN Crossing TEXT")};
}

} // namespace quillset
