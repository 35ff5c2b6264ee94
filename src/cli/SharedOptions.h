#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

/// The options several commands read or refuse, named once.
namespace quillset::SharedOptions {

inline const QString kDatabase = QStringLiteral("database");
inline const QString kAccount = QStringLiteral("account");
inline const QString kPrint = QStringLiteral("print");
inline const QString kPdf = QStringLiteral("pdf");
inline const QString kConfirm = QStringLiteral("confirm");
inline const QString kChequeNo = QStringLiteral("cheque");
inline const QString kPay = QStringLiteral("pay");
inline const QString kDate = QStringLiteral("date");
inline const QString kAmount = QStringLiteral("amount");
inline const QString kStamp = QStringLiteral("stamp");
inline const QString kNoStamp = QStringLiteral("no-stamp");
inline const QString kReason = QStringLiteral("reason");
inline const QString kConfirmOverLimit = QStringLiteral("confirm-over-limit");
inline const QString kCrossing = QStringLiteral("crossing");
// Declared by their own commands, named here for the commands that refuse them.
inline const QString kMark = QStringLiteral("mark");
inline const QString kReport = QStringLiteral("report");
inline const QString kInitialise = QStringLiteral("initialise");
inline const QString kReprint = QStringLiteral("reprint");

/// The shared options as the help lists them.
QList<QCommandLineOption> options();

} // namespace quillset::SharedOptions
