#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace quillset {

class Prompter;

/// What every window needs from outside itself, so that tests can put their own doubles in.
struct AppServices
{
    Prompter &prompter;
    /// Today's date, replaceable so that date tests repeat exactly.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

} // namespace quillset
