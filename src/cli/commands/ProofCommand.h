#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --pdf FILE --account CODE ...: writes a proof of one cheque to a PDF file, placed as the default printer
/// would print it; nothing is recorded.
class ProofCommand : public Command
{
public:
    bool isWanted(const QCommandLineParser &parser) const override;
    int run(CommandRun &run) const override;
};

} // namespace quillset
