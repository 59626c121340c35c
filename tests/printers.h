#pragma once

#include "canvas/operationlog.h"

#include <QString>

#include <optional>
#include <ostream>

// Lets GoogleTest print Qt strings and drawing operations as readable text when a comparison
// fails.
void PrintTo(const QString &text, std::ostream *os);
void PrintTo(const std::optional<QString> &text, std::ostream *os);
void PrintTo(const DrawingOperation &operation, std::ostream *os);
