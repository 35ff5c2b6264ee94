#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillset {

class Connection;
class Dialect;

/// The version of the database this program reads and writes: the number of its last upgrade step,
/// so that a new step is the new version. A database made by an earlier release is upgraded to it
/// when it is opened; a later one is refused.
int schemaVersion();

/// The numbers of a backend's upgrade steps, in the order they run.
QList<int> stepNumbers(const Dialect &dialect);
/// True for steps numbered 1, 2, ... N in that order: a number missing, repeated or out of order
/// would leave a database that claims a version whose tables it does not have.
bool numberedInOrder(const QList<int> &numbers);

/// Makes the tables of a new, empty database and its six settings, and the sample account when
/// asked: the database the program is delivered with. Runs inside one transaction. `version` stops
/// the upgrade steps at an earlier release's database, for the tests' fixtures.
void createSchema(const Connection &connection, bool sampleAccount, int version = schemaVersion());

/// Brings a database of an earlier version up to this one: a backup copy first, then every missing
/// step and the new version in one transaction, so that it is upgraded completely or not at all.
/// Throws Failure, leaving the database as it was, when a step fails.
void upgradeSchema(const Connection &connection, int version);

/// The account columns of the first release, in their order: those every backend copies.
extern const QString kAccountColumns;
/// Step 8's statements, the same in every backend's words: the date settings' defaults.
QStringList dateSettingDefaults();

} // namespace quillset
