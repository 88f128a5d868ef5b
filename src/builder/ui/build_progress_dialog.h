#pragma once
// "Building Puzzles": runs a build of two or more attempts on a worker thread, shows which attempt
// is running and how many are done, and lets the user abort after the running attempt. It also runs
// the search for the smallest square, naming the square being tried.

#include "builder/grid_builder.h"
#include "common/ui/dialog_conventions.h"

#include <atomic>
#include <optional>
#include <thread>

class QProgressBar;
class QPushButton;

namespace qx {

class BuildProgressDialog : public ConventionalDialog {
    Q_OBJECT

public:
    BuildProgressDialog(const DialogLook &look, const PuzzleRecord &working, const ShapeRecord &shape,
                        BuildOptions options, CandidateSlots &candidates, QWidget *parent = nullptr,
                        bool smallestSquare = false);
    ~BuildProgressDialog() override;

    const QString &line1() const { return m_line1; }
    const QString &line2() const { return m_line2; }
    bool finished() const { return m_finished; }
    bool aborted() const { return m_aborted; }
    BuildOutcome outcome() const { return m_outcome; }
    // The square chosen, when the dialog searched for the smallest square.
    std::optional<SquareOutcome> squareOutcome() const { return m_square; }
    QPushButton *cancelButton() const { return m_cancel; }

    void cancelBuild();

Q_SIGNALS:
    void buildFinished();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void reject() override;

private:
    class Observer;

    void startBuild();
    void setLines(const QString &line1, const QString &line2);
    void done(BuildOutcome outcome);

    const PuzzleRecord &m_working;
    const ShapeRecord &m_shape;
    BuildOptions m_options;
    CandidateSlots &m_candidates;
    QString m_line1;
    QString m_line2;
    std::atomic<bool> m_abort{false};
    bool m_started = false;
    bool m_finished = false;
    bool m_aborted = false; // the builder stopped on Abort
    BuildOutcome m_outcome;
    bool m_smallestSquare = false;
    std::optional<SquareOutcome> m_square; // written by the worker thread before it reports done
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_bar = nullptr;
    std::unique_ptr<Observer> m_observer;
    std::thread m_worker;
};

} // namespace qx
