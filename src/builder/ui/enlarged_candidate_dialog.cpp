#include "builder/ui/enlarged_candidate_dialog.h"

#include "builder/candidate_picture.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

EnlargedCandidateDialog::EnlargedCandidateDialog(const DialogLook &look, const PuzzleRecord &record, int score,
                                                 const ShapeRecord &currentShape, const QString &title, QWidget *parent)
    : ConventionalDialog(look, QSize(427, 460), parent), m_record(record)
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    const int side = scaledBy(411, look.screenFactor);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setPixmap(QPixmap::fromImage(
        drawCandidate(m_record, score, currentShape, QSize(side, side), palette().color(QPalette::Button))));
    picture->setFixedSize(side, side);
    layout->addWidget(picture);
    auto *exit = new QPushButton(tr("E&xit"), this);
    exit->setObjectName(QStringLiteral("Cancel"));
    layout->addWidget(exit, 0, Qt::AlignHCenter);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace qx
