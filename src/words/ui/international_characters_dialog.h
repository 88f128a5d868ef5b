#pragma once
// "International Characters": a character (codes 192..255) for each of F1..F12, which the windows
// that take words then type. "&Ok" keeps the choices, "&Cancel" drops them. The lists are filled
// from the settings when the window opens; a stored code that is no character of the lists shows
// the first.

#include "common/ui/dialog_conventions.h"

#include <array>

class QComboBox;

namespace qx {

struct Settings;

class InternationalCharactersDialog : public ConventionalDialog {
    Q_OBJECT

public:
    InternationalCharactersDialog(const DialogLook &look, Settings &settings, QWidget *parent = nullptr);

    // The list of key k (1..12).
    QComboBox *list(int k) const { return m_lists[static_cast<size_t>(k - 1)]; }

    void acceptEntries();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillControls();

    Settings &m_settings;
    bool m_shown = false;
    std::array<QComboBox *, 12> m_lists{};
};

} // namespace qx
