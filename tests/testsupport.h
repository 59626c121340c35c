#pragma once

#include "canvas/operationlog.h"

#include <QLatin1StringView>
#include <QPoint>
#include <QString>
#include <QStringView>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

// Names each row of a data-driven test by the row's own `name`:
//   INSTANTIATE_TEST_SUITE_P(Rows, NumberTextTest, testing::ValuesIn(rows), rowName<Row>);
template <typename Row> std::string rowName(const testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

// Lets GoogleTest print Qt strings and drawing operations as readable text when a comparison
// fails.
void PrintTo(const QString &text, std::ostream *os);
void PrintTo(QStringView text, std::ostream *os);
void PrintTo(QLatin1StringView text, std::ostream *os);
void PrintTo(const std::optional<QString> &text, std::ostream *os);
void PrintTo(const DrawingOperation &operation, std::ostream *os);
void PrintTo(const QPoint &point, std::ostream *os);
