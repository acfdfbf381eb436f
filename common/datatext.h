#pragma once

// The readable text form of the default databases in data/:
//   # a comment (where the values of a block come from)
//   @row 201            the next row is row 201
//   CV5.5-3C | 15 | 177 | 3 | 350     one row, cells separated by '|'
// Rows follow each other from row 1; blank lines are ignored.

#include "failure.h"
#include "texttable.h"

#include <QString>

namespace kb {

struct DataTextCell
{
    int row;
    int column;
    int line; // line number in the text, for messages
    QString text;
};

// Parses the text; throws Failure naming the line on a row or column outside the shape.
QVector<DataTextCell> parseDataText(const QString &text, int rows, int columns);
TextTable dataTextTable(const QVector<DataTextCell> &cells, int rows, int columns);

} // namespace kb
