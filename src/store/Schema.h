#pragma once

namespace quillset {

class Connection;

/// The version of the database this program reads and writes. A database made by an earlier
/// release is upgraded to it when it is opened; a later one is refused.
inline constexpr int kSchemaVersion = 8;

/// Makes the tables of a new, empty database and its six settings, and the sample account when
/// asked: the database the program is delivered with. Runs inside one transaction.
void createSchema(const Connection &connection, bool sampleAccount);

/// Brings a database of an earlier version up to this one: a backup copy first, then every missing
/// step and the new version in one transaction, so that it is upgraded completely or not at all.
/// Throws Failure, leaving the database as it was, when a step fails.
void upgradeSchema(const Connection &connection, int version);

} // namespace quillset
