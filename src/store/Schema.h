#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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

/// Told how far an upgrade has come: `done` of `total` statements, before each and once at the end.
using UpgradeProgress = std::function<void(int done, int total)>;

/// Brings a database of an earlier version up to this one: a backup copy first, then every missing
/// step and the new version in one transaction, so that it is upgraded completely or not at all.
/// Returns what the steps had to say about rows they could not keep exactly as they were (an
/// amount rounded, say). Throws Failure, leaving the database as it was, when a step fails.
QStringList upgradeSchema(const Connection &connection, int version, const UpgradeProgress &progress = {});

/// What an upgrade's notes come to, in words for the operator: the first few, and how many more
/// the table UpgradeNote keeps. Empty when there are none.
QString upgradeNotesSummary(const QStringList &notes);

/// The account columns of the first release, in their order: those every backend copies.
extern const QString kAccountColumns;
/// Step 8's statements, the same in every backend's words: the date settings' defaults.
QStringList dateSettingDefaults();
/// Step 9's statements, the same in every backend's words: every account a cheque or cheque book
/// names exists, spelt as the account spells it, before the keys that demand it are made; an
/// UpgradeNote says which accounts had to be made.
QStringList accountsForEveryRow(int version);

/// Step 11's statements, in a backend's words for a real number and a large whole one: the account's
/// date layout, crossing words, bearer strike, filler, money wording, limits and Positive Pay layout,
/// and the crossing each cheque printed with.
QStringList accountSettingsColumns(const QString &real, const QString &whole);

} // namespace quillset
