#pragma once

#include <QTest>

#include <initializer_list>
#include <utility>

namespace tarvel::testing {

// A table of cases with a single column: each row's name and its value.
template <class T>
void AddRows(const char* column, std::initializer_list<std::pair<const char*, T>> rows)
{
    QTest::addColumn<T>(column);
    for (const auto& [name, value] : rows)
        QTest::newRow(name) << value;
}

} // namespace tarvel::testing
