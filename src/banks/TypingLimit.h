#pragma once

#include <QValidator>

class QLineEdit;

namespace quillset {

/// Limits what can be typed into a box without cutting what it was given: a value stored longer
/// than the limit (by an import, or another program) is shown whole, may be shortened, but cannot
/// grow.
class TypingLimit final : public QValidator
{
public:
    TypingLimit(int limit, QLineEdit *box);

    State validate(QString &input, int &position) const override;

    /// Puts a stored value into a box, whole, whatever its limit.
    static void showWhole(QLineEdit *box, const QString &text);

private:
    int m_limit;
    qsizetype m_shown = 0; ///< the length of the value last put into the box
};

} // namespace quillset
