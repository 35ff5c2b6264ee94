#pragma once

#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillset {

class PageMetrics;
class PrintQueue;
struct ChequePage;

/// The printer a proof is placed and checked for: the default one, as far as the print server says.
struct ProofPrinter
{
    QString name; ///< empty when no printer was found
    std::optional<QMarginsF> margins; ///< what it cannot print at each edge, in millimetres, when known
};

/// The default printer and its margins; an empty name, and no margins, when there is none.
ProofPrinter proofPrinter(PrintQueue &queue);

/// What to say on standard error about a proof's page: what would stop it printing, and the
/// warning printing it would give, in the same words as --print.
QStringList proofChecks(const ChequePage &page, const PageMetrics &metrics, const ProofPrinter &printer);

} // namespace quillset
