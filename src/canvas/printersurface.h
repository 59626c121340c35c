#pragma once

#include "canvas/operationlog.h"

#include <vector>

class QPrinter;

// A print job as the program builds it: the drawing operations of each page, recorded in twips
// from the top-left corner of the printable area. A job is recorded whole before it is sent, so
// a drawing that fails half-way never reaches the paper.
using PrintJob = std::vector<OperationLog>;

// Sends the job to the printer (a queue, or a PDF file), one page after another. False when the
// printer could not be opened (a PDF file that cannot be written, for example).
bool sendToPrinter(QPrinter &printer, const PrintJob &job);
