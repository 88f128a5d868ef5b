#pragma once
// The enlarged view of one candidate grid of a build, on its own copy of the record.

#include "builder/grid_builder.h"
#include "common/ui/dialog_conventions.h"

namespace qx {

class EnlargedCandidateDialog : public ConventionalDialog {
    Q_OBJECT

public:
    EnlargedCandidateDialog(const DialogLook &look, const PuzzleRecord &record, int score,
                            const ShapeRecord &currentShape, const QString &title, QWidget *parent = nullptr);

private:
    PuzzleRecord m_record;
};

} // namespace qx
