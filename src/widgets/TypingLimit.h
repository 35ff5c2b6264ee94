#pragma once

#include <QValidator>

#include <limits>

class QLineEdit;

namespace quillset {

/// Limits what can be typed into a box without cutting what it was given: a value stored longer
/// than the limit (by an import, or another program) is shown whole, may be shortened, but cannot
/// grow. A box for a code also makes what is typed or pasted into it capitals, while a stored value
/// it shows stays as it was stored.
class TypingLimit final : public QValidator
{
public:
    enum class Letters { AsTyped, Capitals };
    static constexpr int kNoLimit = std::numeric_limits<int>::max();

    TypingLimit(int limit, QLineEdit *box, Letters letters = Letters::AsTyped);

    State validate(QString &input, int &position) const override;

    /// Puts a stored value into a box, whole and unchanged, whatever its limit.
    static void showWhole(QLineEdit *box, const QString &text);

private:
    int m_limit;
    Letters m_letters;
    QString m_shown; ///< the value last put into the box
};

} // namespace quillset
