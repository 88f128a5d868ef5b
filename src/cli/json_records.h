#pragma once
// The stored records as JSON for the command line: keys named exactly as the record fields,
// texts as UTF-8 from their meaningful bytes.

#include "layout/page_layout.h"
#include "store/puzzle_record.h"

#include <QJsonObject>

namespace qx::cli {

QJsonObject layoutObjectJson(const LayoutObject &object);
// The header fields and an Objects array of the objects in use.
QJsonObject pageLayoutJson(const PageLayout &layout);
QJsonObject puzzleRecordJson(const PuzzleRecord &record);

} // namespace qx::cli
