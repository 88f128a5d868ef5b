#pragma once
// "Created Puzzle": the four best grids of a build side by side, each captioned with its fill, the
// words the chosen one includes and leaves out (selecting a word left out says why), and saving it
// into the collection. A double click enlarges a grid (EnlargedCandidateDialog).

#include "builder/grid_builder.h"
#include "common/ui/dialog_conventions.h"
#include "store/collection_file.h"

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace qx {

class UiHost;

// Translated at each call, not kept: a translation installed later still shows.
inline QStringList slotCaptions()
{
    return {QObject::tr("Best Fit"), QObject::tr("Second Best Fit"), QObject::tr("Third Best Fit"),
            QObject::tr("Fourth Best Fit")};
}

// Where the chosen grid is saved, and what the main window does afterwards.
struct SaveTarget {
    QString collectionPath;
    PuzzlePlace place; // new, or the record the puzzle was read from
    // Reselects the saved puzzle by category and name and reloads the lists.
    std::function<void(const std::string &category, const std::string &name)> reloadAndReselect;
};

class CandidateImage;

class CandidatesDialog : public ConventionalDialog {
    Q_OBJECT

public:
    CandidatesDialog(const DialogLook &look, PuzzleRecord &working, const CandidateSlots &candidates,
                     const ShapeRecord &currentShape, SaveTarget target, UiHost &host, QWidget *parent = nullptr);

    int selectedSlot() const { return m_selected; }
    QListWidget *includedWords() const { return m_included; }
    QListWidget *excludedWords() const { return m_excluded; }
    QLabel *includedCaption() const { return m_includedCaption; }
    QLabel *excludedCaption() const { return m_excludedCaption; }
    QLabel *slotCaption(int slot) const { return m_captions[static_cast<size_t>(slot - 1)]; }
    QLabel *leftOutReason() const { return m_reason; }
    QLabel *noteLabel() const { return m_note; }
    // A line under the pictures about the whole build (the square the search chose); empty hides it.
    void setNote(const QString &note);
    bool saved() const { return m_saved; }

    void selectCandidate(int slot);
    void enlargeCandidate(int slot);
    void saveCandidate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    PuzzleRecord &m_working;
    const CandidateSlots &m_candidates;
    const ShapeRecord &m_shape;
    SaveTarget m_target;
    UiHost &m_host;
    int m_selected = 0;
    bool m_firstActivation = true;
    bool m_saved = false;
    std::array<CandidateImage *, 4> m_images{};
    std::array<QLabel *, 4> m_captions{};
    QListWidget *m_included = nullptr;
    QListWidget *m_excluded = nullptr;
    QLabel *m_includedCaption = nullptr;
    QLabel *m_excludedCaption = nullptr;
    QLabel *m_reason = nullptr;
    QLabel *m_note = nullptr;

    void showLeftOutReason();
};

} // namespace qx
