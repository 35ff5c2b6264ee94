#pragma once

#include <QTest>

namespace quillset::test {

/// Adds a row of test data, one value a column in the columns' order. Rows so written read as a
/// table, a row a line, where a chain of `QTest::newRow(name) << ...` is set a value a line.
template<typename... Values>
void row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

} // namespace quillset::test
