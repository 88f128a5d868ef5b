#pragma once
// "Partial Answer": the words printed already filled in. OK sets one flag per listed word;
// closing the window any other way keeps the flags as they were.

#include "common/ui/dialog_conventions.h"
#include "store/puzzle_record.h"

#include <array>
#include <cstdint>

class QListWidget;

namespace qx {

class PartialAnswersDialog : public ConventionalDialog {
    Q_OBJECT

public:
    PartialAnswersDialog(const DialogLook &look, const QStringList &words, std::array<uint8_t, MaxWords> &filledIn,
                         QWidget *parent = nullptr);

    QListWidget *theList() const { return m_list; }

    void acceptEntries();

private:
    std::array<uint8_t, MaxWords> &m_filledIn;
    QListWidget *m_list = nullptr;
};

} // namespace qx
